#include "NumericError.h"

namespace numeric {

NumericError::NumericError(const std::string &message)
    : std::runtime_error(message), m_message(std::make_shared<const std::string>(message))
{
}

NumericError::~NumericError() = default;

} // namespace numeric
