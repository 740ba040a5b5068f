#include "TForm1.h"

#include "Numeric.h"
#include "TForm3.h"
#include "forms/Application.h"
#include "forms/HandlerBinding.h"
#include "ui_TForm1.h"

#include <QLocale>

#include <utility>

TForm1::TForm1(QWidget *parent) : forms::Form(parent), ui(std::make_unique<Ui::TForm1>())
{
    ui->setupUi(this);
    move(designedPosition);
    readDecimalSeparator();
    bindHandlers();
    // The window has been created from its description: run its creation handler. An error in
    // it is reported and the window is still created.
    forms::Application::dispatch([this] { FormCreate(this); });
}

TForm1::~TForm1() = default;

void TForm1::bindHandlers()
{
    using forms::bindHandler;
    using Handler = void (TForm1::*)(QObject *);

    const std::pair<forms::PictureBox *, Handler> shapePictureClicks[] = {
        {ui->Image1, &TForm1::Image1Click},
        {ui->Image2, &TForm1::Image2Click},
        {ui->Image3, &TForm1::Image3Click},
    };
    for (const auto &[picture, handler] : shapePictureClicks)
        bindHandler(picture, &forms::PictureBox::clicked, this, handler);

    const std::pair<forms::RadioButton *, Handler> radioButtonClicks[] = {
        {ui->RadioButton1, &TForm1::RadioButton1Click},
        {ui->RadioButton2, &TForm1::RadioButton2Click},
        {ui->RadioButton3, &TForm1::RadioButton3Click},
    };
    for (const auto &[button, handler] : radioButtonClicks)
        bindHandler(button, &forms::RadioButton::becameChecked, this, handler);

    bindHandler(ui->ComboBox1, &forms::ComboBox::changed, this, &TForm1::ComboBox1Change);

    const std::pair<forms::EditBox *, Handler> editExits[] = {
        {ui->Edit1, &TForm1::Edit1Exit},
        {ui->Edit2, &TForm1::Edit2Exit},
    };
    for (const auto &[edit, handler] : editExits)
        bindHandler(edit, &forms::EditBox::exited, this, handler);

    const std::pair<forms::PictureButton *, Handler> buttonClicks[] = {
        {ui->BitBtn1, &TForm1::BitBtn1Click},
        {ui->BitBtn2, &TForm1::BitBtn2Click},
    };
    for (const auto &[button, handler] : buttonClicks)
        bindHandler(button, &QAbstractButton::clicked, this, handler);
}

std::array<TForm1::FamilyControls, 3> TForm1::families() const
{
    return {{
        {ShapeFamily::Square, ui->RadioButton1, ui->Image6},
        {ShapeFamily::Rectangular, ui->RadioButton2, ui->Image5},
        {ShapeFamily::Round, ui->RadioButton3, ui->Image7},
    }};
}

void TForm1::FormCreate(QObject *)
{
    m_calculation.lengthMm = +0.0L;
    m_calculation.quantity = 1;
    // Unchecked until now, so RadioButton1Click runs here: square drawing, "L", square sizes.
    ui->RadioButton1->setChecked(true);
}

void TForm1::Image1Click(QObject *)
{
    ui->RadioButton1->setChecked(true);
    showFamilyDrawing(ui->Image6);
}

void TForm1::Image2Click(QObject *)
{
    ui->RadioButton2->setChecked(true);
    showFamilyDrawing(ui->Image5);
}

void TForm1::Image3Click(QObject *)
{
    ui->RadioButton3->setChecked(true);
    showFamilyDrawing(ui->Image7);
}

void TForm1::RadioButton1Click(QObject *)
{
    showFamilyDrawing(ui->Image6);
    LoadFamily(ShapeFamily::Square);
}

void TForm1::RadioButton2Click(QObject *)
{
    showFamilyDrawing(ui->Image5);
    LoadFamily(ShapeFamily::Rectangular);
}

void TForm1::RadioButton3Click(QObject *)
{
    showFamilyDrawing(ui->Image7);
    LoadFamily(ShapeFamily::Round);
}

void TForm1::showFamilyDrawing(forms::PictureBox *drawing)
{
    bringToFront(drawing);
    bringToFront(ui->Label8);
}

void TForm1::LoadFamily(ShapeFamily family)
{
    const std::span<const CatalogueRow> rows = catalogueRows(family);
    QStringList designations;
    designations.reserve(static_cast<qsizetype>(rows.size()));
    for (const CatalogueRow &row : rows)
        designations.append(QString::fromUtf8(row.designation.data(),
                                              static_cast<qsizetype>(row.designation.size())));
    ui->ComboBox1->setItems(designations);
    ui->ComboBox1->setItemIndex(0);
    for (const FamilyControls &controls : families()) {
        if (controls.family == family && controls.radioButton->isChecked())
            m_calculation.massPerMetre = rows.front().massPerMetre;
    }
}

void TForm1::ComboBox1Change(QObject *)
{
    // Each family in turn; at most one radio button is checked. An index outside the checked
    // family's table, -1 included (typed text that names no size), changes nothing.
    for (const FamilyControls &controls : families()) {
        if (!controls.radioButton->isChecked())
            continue;
        const int index = ui->ComboBox1->itemIndex();
        const std::span<const CatalogueRow> rows = catalogueRows(controls.family);
        if (index >= 0 && static_cast<std::size_t>(index) < rows.size())
            m_calculation.massPerMetre = rows[static_cast<std::size_t>(index)].massPerMetre;
    }
}

void TForm1::Edit1Exit(QObject *)
{
    m_calculation.lengthMm =
        numeric::parseLength(ui->Edit1->text().toStdString(), m_decimalSeparator);
}

void TForm1::Edit2Exit(QObject *)
{
    m_calculation.quantity = numeric::parseQuantity(ui->Edit2->text().toStdString());
}

void TForm1::BitBtn1Click(QObject *)
{
    m_calculation.calculate();
    ui->Label7->setCaption(
        QString::fromStdString(numeric::weightCaption(m_calculation.resultText)));
}

void TForm1::BitBtn2Click(QObject *)
{
    // Returns when the portfolio window is closed; the calculator window is then as it was.
    Form3->showModal();
}

void TForm1::changeEvent(QEvent *event)
{
    forms::Form::changeEvent(event);
    if (event->type() == QEvent::LocaleChange)
        readDecimalSeparator();
}

void TForm1::readDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    const qsizetype firstCharacter =
        !point.isEmpty() && point.front().isHighSurrogate() && point.size() > 1 ? 2 : 1;
    m_decimalSeparator = point.isEmpty() ? QStringLiteral(".").toStdString()
                                         : point.left(firstCharacter).toStdString();
}
