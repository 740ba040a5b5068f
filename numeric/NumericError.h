#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace numeric {

// A refused text or an overflowing calculation. The message is UTF-8 and is meant to be shown to
// the user as it is, e.g. "'abc' is not a valid floating point value" or
// "Floating point overflow".
class NumericError : public std::runtime_error
{
public:
    explicit NumericError(const std::string &message);
    ~NumericError() override;

    // The whole message. Unlike what(), which ends at the first NUL, this keeps every byte of a
    // refused text that contained NUL characters.
    const std::string &message() const noexcept { return *m_message; }

private:
    // Shared so that copying the exception cannot throw.
    std::shared_ptr<const std::string> m_message;
};

} // namespace numeric
