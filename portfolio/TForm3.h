#pragma once

// The portfolio window: the maker's ten services as a picture gallery. Ten thumbnails stand in
// two columns, each with a Persian title and an English subtitle; the current title (TntLabel1)
// and subtitle (TntLabel3) at the top right name the entry shown last. The number of that entry,
// the gallery index, is the text of the hidden, read-only edit box Edit1 ("0" before the first
// showing, then "1" to "10").
//
//   thumbnail click    sets the index to the entry's number, then shows the entry again itself
//   BitBtn1Click       next: index + 1, and "11" becomes "1"
//   BitBtn2Click       previous: index - 1, and "-1" or "0" becomes "10"
//   Edit1Change        runs inside the text setter on every real change of the index and shows
//                      the entry whose number the text spells (nothing for "0", "11", "-1")
//   ShowEntry(k)       enlarges entry k's thumbnail over the viewing area, on top of everything
//                      drawn, and copies its titles into the current title and subtitle
//
// Enlarged pictures are never shrunk back: they stay beneath the current one. The window is
// created once, hidden; closing it only hides it, so it keeps its state between openings. The
// layout is in TForm3.ui; the handlers are bound in bindHandlers().

#include "forms/Form.h"

#include <QPoint>
#include <QRect>

#include <array>
#include <memory>

namespace Ui {
class TForm3;
}
namespace forms {
class Label;
class PictureBox;
} // namespace forms

class TForm3 : public forms::Form
{
    Q_OBJECT

public:
    // Where the window opens on the screen (its outer top-left corner), not centred.
    static constexpr QPoint designedPosition{360, 251};
    // The area, in client pixels, over which ShowEntry enlarges an entry's thumbnail. It covers
    // the whole thumbnail grid with its labels.
    static constexpr QRect viewingArea{8, 8, 425, 313};
    // Number of portfolio entries; their gallery indexes run from 1 to entryCount.
    static constexpr int entryCount = 10;

    explicit TForm3(QWidget *parent = nullptr);
    ~TForm3() override;

    // Handlers. Each receives the control that raised the event and ignores it.
    void Image1Click(QObject *Sender);
    void Image3Click(QObject *Sender);
    void Image4Click(QObject *Sender);
    void Image5Click(QObject *Sender);
    void Image6Click(QObject *Sender);
    void Image7Click(QObject *Sender);
    void Image8Click(QObject *Sender);
    void Image9Click(QObject *Sender);
    void Image10Click(QObject *Sender);
    void Image11Click(QObject *Sender);
    void BitBtn1Click(QObject *Sender);
    void BitBtn2Click(QObject *Sender);
    void Edit1Change(QObject *Sender);

    // Shows entry k (1 to entryCount): moves its thumbnail to the viewing area (top, left, width
    // and height, one move each), makes it visible, brings it to the front of the drawing list
    // and copies its title and subtitle captions into TntLabel1 and TntLabel3. The thumbnail
    // shown before stays where it is. Does not touch the gallery index.
    // Throws std::out_of_range for any other k; no handler passes one.
    void ShowEntry(int k);

private:
    // The controls of one portfolio entry.
    struct EntryControls
    {
        forms::PictureBox *thumbnail;
        forms::Label *title;
        forms::Label *subtitle;
    };

    void bindHandlers();
    // The ten entries in gallery order: entries()[k - 1] is entry k.
    std::array<EntryControls, entryCount> entries() const;
    // What every thumbnail click does for entry k: set the index to k's literal (which shows
    // the entry through Edit1Change when the index changes), then show the entry again.
    void showClickedEntry(int k);

    std::unique_ptr<Ui::TForm3> ui;
};

// The process-wide reference to the portfolio window. Set by forms::Application::createForm as
// soon as the window is allocated, before its construction begins.
inline TForm3 *Form3 = nullptr;
