#include "TForm3.h"

#include "Numeric.h"
#include "forms/HandlerBinding.h"
#include "ui_TForm3.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

// Entry k's gallery index as text: its decimal literal, "1" to "10".
QString indexLiteral(int k)
{
    return QString::number(k);
}

// n + delta with the wrap-around of 32-bit two's complement arithmetic. The gallery index stays
// between -1 and 11, so it never wraps in practice; this only keeps the step well defined.
std::int32_t steppedIndex(std::int32_t n, std::int32_t delta)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(n) +
                                     static_cast<std::uint32_t>(delta));
}

} // namespace

TForm3::TForm3(QWidget *parent) : forms::Form(parent), ui(std::make_unique<Ui::TForm3>())
{
    ui->setupUi(this);
    move(designedPosition);
    bindHandlers();
}

TForm3::~TForm3() = default;

void TForm3::bindHandlers()
{
    using forms::bindHandler;
    using Handler = void (TForm3::*)(QObject *);

    const std::pair<forms::PictureBox *, Handler> thumbnailClicks[] = {
        {ui->Image1, &TForm3::Image1Click},   {ui->Image3, &TForm3::Image3Click},
        {ui->Image4, &TForm3::Image4Click},   {ui->Image5, &TForm3::Image5Click},
        {ui->Image6, &TForm3::Image6Click},   {ui->Image7, &TForm3::Image7Click},
        {ui->Image8, &TForm3::Image8Click},   {ui->Image9, &TForm3::Image9Click},
        {ui->Image10, &TForm3::Image10Click}, {ui->Image11, &TForm3::Image11Click},
    };
    for (const auto &[thumbnail, handler] : thumbnailClicks)
        bindHandler(thumbnail, &forms::PictureBox::clicked, this, handler);

    const std::pair<forms::PictureButton *, Handler> buttonClicks[] = {
        {ui->BitBtn1, &TForm3::BitBtn1Click},
        {ui->BitBtn2, &TForm3::BitBtn2Click},
    };
    for (const auto &[button, handler] : buttonClicks)
        bindHandler(button, &QAbstractButton::clicked, this, handler);

    bindHandler(ui->Edit1, &forms::EditBox::changed, this, &TForm3::Edit1Change);
}

std::array<TForm3::EntryControls, TForm3::entryCount> TForm3::entries() const
{
    return {{
        {ui->Image1, ui->TntLabel16, ui->TntLabel17},
        {ui->Image3, ui->TntLabel13, ui->TntLabel12},
        {ui->Image4, ui->TntLabel14, ui->TntLabel18},
        {ui->Image5, ui->TntLabel19, ui->TntLabel20},
        {ui->Image6, ui->TntLabel21, ui->TntLabel22},
        {ui->Image7, ui->TntLabel23, ui->TntLabel24},
        {ui->Image8, ui->TntLabel25, ui->TntLabel26},
        {ui->Image9, ui->TntLabel27, ui->TntLabel28},
        {ui->Image10, ui->TntLabel29, ui->TntLabel30},
        {ui->Image11, ui->TntLabel31, ui->TntLabel32},
    }};
}

void TForm3::ShowEntry(int k)
{
    if (k < 1 || k > entryCount)
        throw std::out_of_range("portfolio entry " + std::to_string(k) + " does not exist");
    const EntryControls entry = entries()[static_cast<std::size_t>(k - 1)];
    forms::PictureBox *thumbnail = entry.thumbnail;
    thumbnail->move(thumbnail->x(), viewingArea.top());
    thumbnail->move(viewingArea.left(), thumbnail->y());
    thumbnail->resize(viewingArea.width(), thumbnail->height());
    thumbnail->resize(thumbnail->width(), viewingArea.height());
    thumbnail->setVisible(true);
    bringToFront(thumbnail);
    ui->TntLabel1->setCaption(entry.title->caption());
    ui->TntLabel3->setCaption(entry.subtitle->caption());
}

void TForm3::Edit1Change(QObject *)
{
    // Ten tests in gallery order, each reading the index anew. ShowEntry leaves the index alone,
    // so at most one of them matches; "0", "11" and "-1" match none and show nothing.
    for (int k = 1; k <= entryCount; ++k) {
        if (ui->Edit1->text() == indexLiteral(k))
            ShowEntry(k);
    }
}

void TForm3::showClickedEntry(int k)
{
    // Runs Edit1Change, and so ShowEntry(k), inside the setter when the index changes.
    ui->Edit1->setText(indexLiteral(k));
    ShowEntry(k);
}

void TForm3::Image1Click(QObject *)
{
    showClickedEntry(1);
}

void TForm3::Image3Click(QObject *)
{
    showClickedEntry(2);
}

void TForm3::Image4Click(QObject *)
{
    showClickedEntry(3);
}

void TForm3::Image5Click(QObject *)
{
    showClickedEntry(4);
}

void TForm3::Image6Click(QObject *)
{
    showClickedEntry(5);
}

void TForm3::Image7Click(QObject *)
{
    showClickedEntry(6);
}

void TForm3::Image8Click(QObject *)
{
    showClickedEntry(7);
}

void TForm3::Image9Click(QObject *)
{
    showClickedEntry(8);
}

void TForm3::Image10Click(QObject *)
{
    showClickedEntry(9);
}

void TForm3::Image11Click(QObject *)
{
    showClickedEntry(10);
}

void TForm3::BitBtn1Click(QObject *)
{
    // The index is always a plain decimal; a text that is not would be reported as an error.
    const std::int32_t n = numeric::parseQuantity(ui->Edit1->text().toStdString());
    ui->Edit1->setText(QString::number(steppedIndex(n, +1)));
    // Past the last entry: round to the first.
    if (ui->Edit1->text() == QStringLiteral("11"))
        ui->Edit1->setText(indexLiteral(1));
}

void TForm3::BitBtn2Click(QObject *)
{
    const std::int32_t n = numeric::parseQuantity(ui->Edit1->text().toStdString());
    ui->Edit1->setText(QString::number(steppedIndex(n, -1)));
    // Before the first entry: "-1" (from the initial "0") and "0" (from "1") both round to the
    // last. Two separate tests: after the first has set "10", the second finds nothing to do.
    if (ui->Edit1->text() == QStringLiteral("-1"))
        ui->Edit1->setText(indexLiteral(entryCount));
    if (ui->Edit1->text() == QStringLiteral("0"))
        ui->Edit1->setText(indexLiteral(entryCount));
}
