#pragma once

#include "Vector3.h"

#include <QPointF>

// A pinhole camera whose image plane is vertical (two-point perspective): it looks horizontally,
// so vertical lines stay vertical and every horizontal line at the eye's height falls on the
// horizon, the screen row `horizonY`.
class ProjectionCamera
{
public:
    // eye: the viewpoint. lookAt: a point whose horizontal direction from the eye is the view
    // direction (its height is ignored). focalLength: pixels per unit of lateral offset at unit
    // depth, > 0. centreX: the screen column straight ahead; horizonY: the horizon's screen row.
    ProjectionCamera(Vector3 eye, Vector3 lookAt, double focalLength, double centreX,
                      double horizonY);

    // Screen position in pixels of a point in front of the camera (depth > 0).
    QPointF project(Vector3 point) const;

    // Projection with focal length 1 and the centre at (0, horizon 0): the part of `project`
    // that does not depend on the lens, used to fit the lens to a layout.
    QPointF direction(Vector3 point) const;

    Vector3 eye() const { return m_eye; }

private:
    Vector3 m_eye;
    Vector3 m_forward;
    Vector3 m_right;
    double m_focalLength;
    double m_centreX;
    double m_horizonY;
};
