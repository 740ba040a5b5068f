#include "TrainingClassPicture.h"

#include "MeshBuilder.h"
#include "NoiseField.h"
#include "PhotoFinish.h"
#include "SeededRandom.h"
#include "SoftRenderer.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <utility>

namespace portfolio_art {

namespace {

// The projection screen on the front wall, in metres.
constexpr double screenLeft = -1.9;
constexpr double screenRight = 1.3;
constexpr double screenBottom = 0.95;
constexpr double screenTop = 2.75;

// The slide being presented: a lubrication lesson with a bearing diagram and a chart.
QImage drawSlide()
{
    QImage slide(640, 360, QImage::Format_RGB32);
    slide.fill(QColor(250, 250, 252));
    QPainter painter(&slide);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, 640, 62), QColor(24, 58, 120));
    painter.fillRect(QRectF(0, 62, 640, 6), QColor(230, 160, 30));
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(30);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QRectF(24, 0, 600, 62), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("LUBRICATION OF BEARINGS"));

    // Journal bearing with its oil film.
    const QPointF centre(170, 210);
    painter.setPen(QPen(QColor(40, 40, 50), 4));
    painter.setBrush(QColor(190, 196, 206));
    painter.drawEllipse(centre, 105, 105);
    painter.setBrush(QColor(236, 178, 40));
    painter.drawEllipse(centre, 78, 78);
    painter.setBrush(QColor(120, 128, 140));
    painter.drawEllipse(centre + QPointF(0, 9), 66, 66);
    painter.setBrush(QColor(60, 66, 78));
    painter.drawEllipse(centre + QPointF(0, 9), 16, 16);
    painter.setPen(QPen(QColor(200, 40, 30), 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(centre.x() - 40, centre.y() - 31, 80, 80), 30 * 16, 120 * 16);

    // Bullet points and a viscosity chart.
    QFont body(QStringLiteral("Liberation Sans"));
    body.setPixelSize(20);
    painter.setFont(body);
    painter.setPen(QColor(30, 30, 40));
    const char *const points[] = {"Oil film separates surfaces", "Choose viscosity for speed",
                                  "Grease intervals", "Contamination control"};
    double y = 110;
    for (const char *point : points) {
        painter.setBrush(QColor(230, 160, 30));
        painter.setPen(Qt::NoPen);
        painter.drawRect(QRectF(318, y - 9, 10, 10));
        painter.setPen(QColor(30, 30, 40));
        painter.drawText(QPointF(338, y), QString::fromLatin1(point));
        y += 34;
    }
    painter.setPen(QPen(QColor(30, 30, 40), 2));
    painter.drawLine(QPointF(330, 330), QPointF(610, 330));
    painter.drawLine(QPointF(330, 330), QPointF(330, 250));
    const double bars[] = {30, 52, 44, 70, 62};
    for (int i = 0; i < 5; ++i) {
        painter.fillRect(QRectF(350 + i * 52, 330 - bars[i], 30, bars[i]),
                         i == 3 ? QColor(200, 60, 40) : QColor(40, 90, 160));
    }
    return slide;
}

struct ClassMaterials
{
    int carpet;
    int wall;
    int frontWall;
    int ceiling;
    int lamp;
    int window;
    int screen;
    int desk;
    int deskLegs;
    int chair;
    int skin;
    int trousers;
    std::array<int, 6> shirts;
    std::array<int, 4> hair;
};

ClassMaterials defineClassMaterials(MeshBuilder &builder,
                                    const std::shared_ptr<const QImage> &slide)
{
    ClassMaterials m{};
    SurfaceMaterial carpet;
    carpet.albedo = linearFromDisplay({0.36, 0.40, 0.48});
    const NoiseField fibre(0xC1, 0.02);
    carpet.pattern = [fibre](const Vec3 &p, const Vec3 &albedo) {
        return albedo * (0.9 + 0.2 * fibre.fractal(p.x * 40.0, p.z * 40.0, 2));
    };
    m.carpet = builder.customMaterial(carpet);
    m.wall = builder.material({0.86, 0.83, 0.76}, 0.02, 8.0);
    m.frontWall = builder.material({0.80, 0.78, 0.72}, 0.02, 8.0);
    SurfaceMaterial ceiling;
    ceiling.albedo = linearFromDisplay({0.93, 0.93, 0.92});
    ceiling.emission = {0.22, 0.22, 0.21}; // light bounced up from the room
    m.ceiling = builder.customMaterial(ceiling);
    SurfaceMaterial lamp;
    lamp.albedo = linearFromDisplay({0.95, 0.95, 0.95});
    lamp.emission = {1.2, 1.18, 1.1};
    m.lamp = builder.customMaterial(lamp);
    SurfaceMaterial window;
    window.albedo = linearFromDisplay({0.7, 0.8, 0.9});
    window.emission = {0.9, 1.0, 1.15};
    m.window = builder.customMaterial(window);
    SurfaceMaterial screen;
    screen.albedo = {0.8, 0.8, 0.8};
    screen.glow = 0.55;
    screen.pattern = [slide](const Vec3 &p, const Vec3 &) {
        const double u = (p.x - screenLeft) / (screenRight - screenLeft);
        const double v = (screenTop - p.y) / (screenTop - screenBottom);
        const int x = std::clamp(static_cast<int>(u * slide->width()), 0, slide->width() - 1);
        const int y = std::clamp(static_cast<int>(v * slide->height()), 0, slide->height() - 1);
        const QRgb texel = slide->pixel(x, y);
        return linearFromDisplay(
                   {qRed(texel) / 255.0, qGreen(texel) / 255.0, qBlue(texel) / 255.0}) *
               0.85;
    };
    m.screen = builder.customMaterial(screen);
    m.desk = builder.material({0.72, 0.56, 0.38}, 0.25, 30.0);
    m.deskLegs = builder.material({0.30, 0.30, 0.32}, 0.4, 40.0);
    m.chair = builder.material({0.16, 0.17, 0.2}, 0.15, 16.0);
    m.skin = builder.material({0.85, 0.66, 0.52}, 0.08, 12.0);
    m.trousers = builder.material({0.18, 0.2, 0.26}, 0.05, 8.0);
    const std::array<Vec3, 6> shirtColours{Vec3{0.74, 0.82, 0.92}, Vec3{0.93, 0.93, 0.92},
                                           Vec3{0.30, 0.42, 0.62}, Vec3{0.55, 0.58, 0.60},
                                           Vec3{0.62, 0.36, 0.30}, Vec3{0.32, 0.48, 0.38}};
    for (std::size_t i = 0; i < shirtColours.size(); ++i)
        m.shirts[i] = builder.material(shirtColours[i], 0.05, 10.0);
    const std::array<Vec3, 4> hairColours{Vec3{0.10, 0.08, 0.07}, Vec3{0.22, 0.15, 0.10},
                                          Vec3{0.05, 0.05, 0.05}, Vec3{0.45, 0.42, 0.40}};
    for (std::size_t i = 0; i < hairColours.size(); ++i)
        m.hair[i] = builder.material(hairColours[i], 0.2, 20.0);
    return m;
}

void buildRoom(MeshBuilder &builder, const ClassMaterials &m)
{
    const double left = -4.2;
    const double right = 4.2;
    const double back = 12.0;
    const double height = 3.1;
    builder.quad({left, 0.0, 0.0}, {left, 0.0, back}, {right, 0.0, back}, {right, 0.0, 0.0},
                 m.carpet);
    builder.quad({left, 0.0, 0.0}, {right, 0.0, 0.0}, {right, height, 0.0}, {left, height, 0.0},
                 m.frontWall);
    builder.quad({left, 0.0, 0.0}, {left, height, 0.0}, {left, height, back}, {left, 0.0, back},
                 m.wall);
    builder.quad({right, 0.0, 0.0}, {right, 0.0, back}, {right, height, back}, {right, height, 0.0},
                 m.wall);
    builder.quad({left, height, 0.0}, {right, height, 0.0}, {right, height, back},
                 {left, height, back}, m.ceiling);
    // Skirting, windows on the left wall, ceiling lamps.
    builder.axisBox({left, 0.0, 0.0}, {left + 0.02, 0.1, back}, m.deskLegs);
    builder.axisBox({right - 0.02, 0.0, 0.0}, {right, 0.1, back}, m.deskLegs);
    for (double z : {2.0, 5.0, 8.0}) {
        builder.quad({left + 0.01, 1.0, z}, {left + 0.01, 2.5, z}, {left + 0.01, 2.5, z + 2.0},
                     {left + 0.01, 1.0, z + 2.0}, m.window);
        builder.axisBox({left, 0.95, z - 0.05}, {left + 0.08, 1.0, z + 2.05}, m.ceiling);
    }
    for (double z : {2.0, 5.0, 8.0})
        for (double x : {-2.0, 2.0})
            builder.quad({x - 0.6, height - 0.01, z - 0.3}, {x + 0.6, height - 0.01, z - 0.3},
                         {x + 0.6, height - 0.01, z + 0.3}, {x - 0.6, height - 0.01, z + 0.3},
                         m.lamp);
    // The screen with its dark border, and a lectern beside it.
    builder.axisBox({screenLeft - 0.06, screenBottom - 0.06, 0.0},
                    {screenRight + 0.06, screenTop + 0.06, 0.02}, m.chair);
    builder.quad({screenLeft, screenBottom, 0.03}, {screenRight, screenBottom, 0.03},
                 {screenRight, screenTop, 0.03}, {screenLeft, screenTop, 0.03}, m.screen);
    builder.axisBox({2.5, 0.0, 0.6}, {3.1, 1.1, 1.1}, m.desk);
}

void buildDesk(MeshBuilder &builder, const ClassMaterials &m, double left, double right,
               double front)
{
    builder.axisBox({left, 0.72, front}, {right, 0.76, front + 0.7}, m.desk);
    builder.axisBox({left, 0.3, front + 0.02}, {right, 0.72, front + 0.05}, m.desk);
    for (double x : {left + 0.05, right - 0.09})
        for (double z : {front + 0.05, front + 0.61})
            builder.axisBox({x, 0.0, z}, {x + 0.04, 0.72, z + 0.04}, m.deskLegs);
}

// A trainee sitting on a chair at `seat` (floor point under the seat centre), facing -z.
void buildSeatedPerson(MeshBuilder &builder, const ClassMaterials &m, const Vec3 &seat, int shirt,
                       int hair, double lean)
{
    // Chair.
    builder.axisBox(seat + Vec3{-0.23, 0.44, -0.22}, seat + Vec3{0.23, 0.49, 0.22}, m.chair);
    builder.axisBox(seat + Vec3{-0.22, 0.52, 0.2}, seat + Vec3{0.22, 0.92, 0.25}, m.chair);
    builder.cylinder(seat + Vec3{0.0, 0.0, 0.0}, seat + Vec3{0.0, 0.44, 0.0}, 0.03, 10, false,
                     m.deskLegs);
    builder.axisBox(seat + Vec3{-0.25, 0.0, -0.03}, seat + Vec3{0.25, 0.03, 0.03}, m.deskLegs);
    // Thighs, lower legs.
    for (double side : {-0.1, 0.1}) {
        builder.cylinder(seat + Vec3{side, 0.56, 0.05}, seat + Vec3{side, 0.56, -0.38}, 0.075, 12,
                         true, m.trousers);
        builder.cylinder(seat + Vec3{side, 0.56, -0.38}, seat + Vec3{side, 0.05, -0.42}, 0.06, 12,
                         true, m.trousers);
    }
    // Torso, shoulders, neck and head, leaning a little forward.
    const Vec3 chest = seat + Vec3{0.0, 0.86, 0.02 - lean};
    builder.ellipsoid(chest, {0.21, 0.3, 0.13}, 24, shirt);
    builder.ellipsoid(chest + Vec3{0.0, 0.18, 0.0}, {0.24, 0.09, 0.13}, 20, shirt);
    builder.cylinder(chest + Vec3{0.0, 0.25, 0.0}, chest + Vec3{0.0, 0.38, -0.02}, 0.055, 12, false,
                     m.skin);
    const Vec3 head = chest + Vec3{0.0, 0.49, -0.04};
    builder.ellipsoid(head, {0.095, 0.12, 0.11}, 20, m.skin);
    builder.ellipsoid(head + Vec3{0.0, 0.03, 0.025}, {0.102, 0.11, 0.105}, 20, hair);
    // Arms resting on the desk.
    for (double side : {-1.0, 1.0}) {
        const Vec3 shoulder = chest + Vec3{side * 0.22, 0.17, 0.0};
        const Vec3 elbow = shoulder + Vec3{side * 0.04, -0.27, -0.12};
        const Vec3 hand = elbow + Vec3{-side * 0.12, 0.08, -0.3};
        builder.cylinder(shoulder, elbow, 0.055, 12, true, shirt);
        builder.cylinder(elbow, hand, 0.045, 12, true, shirt);
        builder.ellipsoid(hand, {0.04, 0.025, 0.06}, 10, m.skin);
    }
}

// The presenter beside the screen, turned to the room, pointing at the slide.
void buildPresenter(MeshBuilder &builder, const ClassMaterials &m, const Vec3 &feet)
{
    for (double side : {-0.1, 0.1}) {
        builder.frustum(feet + Vec3{side, 0.06, 0.0}, feet + Vec3{side * 1.1, 0.92, 0.0}, 0.06,
                        0.085, 12, true, m.trousers);
        builder.axisBox(feet + Vec3{side - 0.05, 0.0, -0.12}, feet + Vec3{side + 0.05, 0.07, 0.08},
                        m.chair);
    }
    const Vec3 chest = feet + Vec3{0.0, 1.2, 0.0};
    builder.ellipsoid(chest, {0.21, 0.33, 0.13}, 24, m.shirts[0]);
    builder.ellipsoid(chest + Vec3{0.0, 0.2, 0.0}, {0.24, 0.09, 0.13}, 20, m.shirts[0]);
    builder.cylinder(chest + Vec3{0.0, 0.27, 0.0}, chest + Vec3{0.0, 0.4, 0.0}, 0.055, 12, false,
                     m.skin);
    const Vec3 head = chest + Vec3{0.0, 0.52, 0.0};
    builder.ellipsoid(head, {0.095, 0.12, 0.11}, 20, m.skin);
    builder.ellipsoid(head + Vec3{0.01, 0.045, -0.01}, {0.1, 0.09, 0.105}, 20, m.hair[1]);
    // Right arm hangs; left arm reaches towards the slide.
    const Vec3 rightShoulder = chest + Vec3{0.22, 0.19, 0.0};
    builder.cylinder(rightShoulder, rightShoulder + Vec3{0.05, -0.3, 0.02}, 0.055, 12, true,
                     m.shirts[0]);
    builder.cylinder(rightShoulder + Vec3{0.05, -0.3, 0.02}, rightShoulder + Vec3{0.03, -0.56, 0.1},
                     0.045, 12, true, m.shirts[0]);
    builder.ellipsoid(rightShoulder + Vec3{0.03, -0.6, 0.1}, {0.035, 0.05, 0.035}, 10, m.skin);
    const Vec3 leftShoulder = chest + Vec3{-0.22, 0.19, 0.0};
    const Vec3 elbow = leftShoulder + Vec3{-0.26, -0.08, 0.05};
    const Vec3 hand = elbow + Vec3{-0.28, 0.14, -0.05};
    builder.cylinder(leftShoulder, elbow, 0.055, 12, true, m.shirts[0]);
    builder.cylinder(elbow, hand, 0.045, 12, true, m.shirts[0]);
    builder.ellipsoid(hand, {0.05, 0.035, 0.035}, 10, m.skin);
}

} // namespace

QImage drawTrainingClassPicture(QSize size)
{
    const auto slide = std::make_shared<const QImage>(drawSlide());
    SceneMesh mesh;
    MeshBuilder builder(mesh);
    const ClassMaterials materials = defineClassMaterials(builder, slide);
    buildRoom(builder, materials);
    buildPresenter(builder, materials, {1.85, 0.0, 1.0});

    SeededRandom random(0xC7);
    int person = 0;
    for (double rowFront : {3.4, 5.4, 7.4}) {
        for (const auto &desk : {std::pair{-3.0, -0.5}, std::pair{0.5, 3.0}}) {
            buildDesk(builder, materials, desk.first, desk.second, rowFront);
            for (double share : {0.27, 0.73}) {
                const double x =
                    desk.first + (desk.second - desk.first) * share + random.jitter(0.05);
                const int shirt = materials.shirts[static_cast<std::size_t>(1 + person % 5)];
                const int hair = materials.hair[static_cast<std::size_t>((person * 3 + 1) % 4)];
                buildSeatedPerson(builder, materials, {x, 0.0, rowFront + 1.05}, shirt, hair,
                                  random.between(0.0, 0.06));
                ++person;
            }
        }
    }

    SceneCamera camera;
    camera.eye = {0.9, 1.95, 11.0};
    camera.target = {-0.1, 1.3, 0.0};
    camera.fieldOfViewDegrees = 42.0;

    SceneLighting lighting;
    lighting.towardsSun = Vec3{-0.35, 1.0, 0.45}.normalized();
    lighting.sunColour = {0.62, 0.6, 0.55};
    lighting.skyColour = {0.58, 0.57, 0.55};
    lighting.groundColour = {0.40, 0.39, 0.37};
    lighting.shadowCentre = {0.0, 1.2, 5.0};
    lighting.shadowRadius = 9.0;
    lighting.shadowMapSize = 3072;
    lighting.shadowSoftness = 9.0;
    lighting.occlusionStrength = 0.7;
    lighting.occlusionRadius = 0.35;
    lighting.exposure = 1.1;

    const SoftRenderer renderer(size, 3, camera);
    QImage backdrop(size, QImage::Format_RGB32);
    backdrop.fill(QColor(200, 196, 188));
    return finishLikePhotograph(renderer.render(mesh, lighting, backdrop), 0xC9, 3.5);
}

} // namespace portfolio_art
