#include "ProjectionCamera.h"

ProjectionCamera::ProjectionCamera(Vector3 eye, Vector3 lookAt, double focalLength,
                                     double centreX, double horizonY)
    : m_eye(eye), m_forward(Vector3{lookAt.x - eye.x, lookAt.y - eye.y, 0}.normalized()),
      m_right(Vector3{m_forward.y, -m_forward.x, 0}), m_focalLength(focalLength),
      m_centreX(centreX), m_horizonY(horizonY)
{
}

QPointF ProjectionCamera::direction(Vector3 point) const
{
    const Vector3 offset = point - m_eye;
    const double ahead = dot(offset, m_forward);
    return {dot(offset, m_right) / ahead, -offset.z / ahead};
}

QPointF ProjectionCamera::project(Vector3 point) const
{
    const QPointF unit = direction(point);
    return {m_centreX + m_focalLength * unit.x(), m_horizonY + m_focalLength * unit.y()};
}
