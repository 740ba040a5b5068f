#pragma once

// The calculator window. The user picks a shape family (radio buttons or shape pictures), a size
// from the catalogue (ComboBox1), types a length in millimetres (Edit1) and a quantity (Edit2),
// and presses "Calc." (BitBtn1); Label7 shows the weight in kilograms.
//
//   family load        a family's radio button becomes checked: its drawing and "L" come to the
//                      front, the drop-down is refilled with its sizes, the mass per metre is set
//   ComboBox1Change    the chosen size sets the mass per metre
//   Edit1Exit/Edit2Exit  the focus leaves a box: its text is converted and stored, or refused
//                      with an error report (the stored value stays)
//   BitBtn1Click       the weight is calculated from the stored values and shown
//
// The layout is in TForm1.ui; the handlers are bound in bindHandlers().

#include "CalculationState.h"
#include "Catalogue.h"
#include "forms/Form.h"

#include <QPoint>

#include <array>
#include <memory>
#include <string>

namespace Ui {
class TForm1;
}
namespace forms {
class PictureBox;
class RadioButton;
} // namespace forms

class TForm1 : public forms::Form
{
    Q_OBJECT

public:
    // Where the window opens on the screen (its outer top-left corner), not centred.
    static constexpr QPoint designedPosition{192, 114};

    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    const CalculationState &calculation() const { return m_calculation; }
    // The decimal separator the length text accepts: the first character of the default
    // locale's decimal point, UTF-8.
    const std::string &decimalSeparator() const { return m_decimalSeparator; }

    // Handlers. Each receives the control that raised the event and ignores it.
    void FormCreate(QObject *Sender);
    void Image1Click(QObject *Sender);
    void Image2Click(QObject *Sender);
    void Image3Click(QObject *Sender);
    void RadioButton1Click(QObject *Sender);
    void RadioButton2Click(QObject *Sender);
    void RadioButton3Click(QObject *Sender);
    void ComboBox1Change(QObject *Sender);
    void Edit1Exit(QObject *Sender);
    void Edit2Exit(QObject *Sender);
    void BitBtn1Click(QObject *Sender);
    void BitBtn2Click(QObject *Sender);

    // Fills ComboBox1 with the designations of `family` in catalogue order and selects the first;
    // if the family's radio button is checked, sets the mass per metre to the first row's value.
    void LoadFamily(ShapeFamily family);

protected:
    void changeEvent(QEvent *event) override;

private:
    struct FamilyControls
    {
        ShapeFamily family;
        forms::RadioButton *radioButton;
        forms::PictureBox *drawing;
    };

    void bindHandlers();
    // Brings the family drawing to the front, then "L" over it.
    void showFamilyDrawing(forms::PictureBox *drawing);
    // The three families in catalogue order with their radio button and drawing.
    std::array<FamilyControls, 3> families() const;
    void readDecimalSeparator();

    std::unique_ptr<Ui::TForm1> ui;
    CalculationState m_calculation;
    std::string m_decimalSeparator;
};

// The process-wide reference to the calculator window. Set by forms::Application::createForm as
// soon as the window is allocated, before its construction begins.
inline TForm1 *Form1 = nullptr;
