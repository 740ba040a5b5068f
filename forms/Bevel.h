#pragma once

#include <QWidget>

namespace forms {

// A bevel, a non-windowed control (see Form): a frame or line drawn in the face's shadow and
// highlight colours. It does nothing else and lets mouse input through.
//   Box      a box frame along the edges: Lowered has its top and left edges in shadow and
//            its bottom and right edges in highlight; Raised the other way round.
//   TopLine  a double line along the top edge: Raised is highlight above shadow; Lowered
//            shadow above highlight.
class Bevel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(Shape shape READ shape WRITE setShape)
    Q_PROPERTY(Style bevelStyle READ bevelStyle WRITE setBevelStyle)

public:
    enum Shape
    {
        Box,
        TopLine
    };
    Q_ENUM(Shape)
    enum Style
    {
        Lowered,
        Raised
    };
    Q_ENUM(Style)

    explicit Bevel(QWidget *parent = nullptr);

    Shape shape() const { return m_shape; }
    void setShape(Shape shape);
    Style bevelStyle() const { return m_style; }
    void setBevelStyle(Style style);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Shape m_shape = Box;
    Style m_style = Lowered;
};

} // namespace forms
