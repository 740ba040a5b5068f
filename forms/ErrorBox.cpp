#include "forms/ErrorBox.h"

#include "forms/Application.h"

#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <QWindow>

#include <cmath>

namespace forms {

namespace {

QLabel *messageLabel(const QMessageBox &box)
{
    return box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
}

struct GridCell
{
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;

    bool sharesRowWith(const GridCell &other) const
    {
        return row < other.row + other.rowSpan && other.row < row + rowSpan;
    }
    bool sharesColumnWith(const GridCell &other) const
    {
        return column < other.column + other.columnSpan && other.column < column + columnSpan;
    }
};

GridCell cellOf(const QGridLayout &grid, int index)
{
    GridCell cell;
    grid.getItemPosition(index, &cell.row, &cell.column, &cell.rowSpan, &cell.columnSpan);
    return cell;
}

} // namespace

ErrorBox::ErrorBox(const QString &title, const QString &message, QWidget *parent)
    : QMessageBox(QMessageBox::Critical, title, reportText(message), QMessageBox::Ok, parent)
{
    setTextFormat(Qt::PlainText);
    setFont(Application::desktopFont()); // a message box of the desktop, not of the forms
}

QString ErrorBox::reportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}

void ErrorBox::showEvent(QShowEvent *event)
{
    const QSize space = spaceOnScreen();
    const bool replaceable = m_scrollingView == nullptr && !space.isEmpty() && labelInGrid();
    // A text far too large is taken from the label first, which spares measuring it there.
    if (replaceable && !labelCanShowText(space))
        showTextInScrollingView();
    // QMessageBox fixes its size here, wrapping the label's text to at most the screen's width
    // (often narrower). With the label hidden, it measures only the other parts.
    QMessageBox::showEvent(event);
    // Wrapped that narrow, the label may still be taller than the screen.
    if (replaceable && m_scrollingView == nullptr && height() > space.height())
        showTextInScrollingView();
    if (m_scrollingView != nullptr)
        fitScrollingBox(space);
    keepWithinScreen();
}

bool ErrorBox::labelInGrid() const
{
    const auto *grid = qobject_cast<const QGridLayout *>(layout());
    const QLabel *label = messageLabel(*this);
    return grid != nullptr && label != nullptr && grid->indexOf(label) >= 0;
}

QSize ErrorBox::spaceOnScreen() const
{
    const QScreen *shownOn = screen();
    if (shownOn == nullptr)
        return {};
    const QSize available = shownOn->availableGeometry().size();
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    return available.shrunkBy(frame);
}

int ErrorBox::widestClientWidth(QSize space)
{
    constexpr int smallScreenWidth = 1024;
    constexpr int keptFreeOnLargeScreens = 480;
    constexpr int widestOnLargeScreens = 1000;
    if (space.width() <= smallScreenWidth)
        return space.width();
    return qMin(space.width() - keptFreeOnLargeScreens, widestOnLargeScreens);
}

QSize ErrorBox::spaceBesideText() const
{
    const auto *grid = qobject_cast<const QGridLayout *>(layout());
    const QLabel *label = messageLabel(*this);
    const int labelIndex = grid != nullptr && label != nullptr ? grid->indexOf(label) : -1;
    if (labelIndex < 0)
        return {};
    const GridCell labelCell = cellOf(*grid, labelIndex);
    const QMargins margins = grid->contentsMargins();
    QSize beside(margins.left() + margins.right(), margins.top() + margins.bottom());
    for (int index = 0; index < grid->count(); ++index) {
        const GridCell cell = cellOf(*grid, index);
        const QLayoutItem *item = grid->itemAt(index);
        if (index == labelIndex || item->widget() == m_scrollingView || item->isEmpty())
            continue;
        if (cell.sharesRowWith(labelCell))
            beside.rwidth() += item->sizeHint().width() + grid->horizontalSpacing();
        else if (cell.sharesColumnWith(labelCell))
            beside.rheight() += item->sizeHint().height() + grid->verticalSpacing();
    }
    return beside;
}

bool ErrorBox::labelCanShowText(QSize space) const
{
    const QLabel *label = messageLabel(*this);
    const QSize beside = spaceBesideText();
    const int width = widestClientWidth(space) - beside.width();
    const int height = space.height() - beside.height();
    // The label wraps only at word boundaries: a wider word would stick out of the box.
    const QRect needed =
        QFontMetrics(label->font())
            .boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs,
                          text());
    return needed.width() <= width && needed.height() <= height;
}

void ErrorBox::showTextInScrollingView()
{
    auto *grid = qobject_cast<QGridLayout *>(layout());
    QLabel *label = messageLabel(*this);
    const GridCell labelCell = cellOf(*grid, grid->indexOf(label));
    // The view takes the label's cell and the rows beneath it down to the next part in its
    // column (the buttons), so it gets every pixel of height the box has for text.
    int rowsBelow = grid->rowCount() - labelCell.row;
    for (int index = 0; index < grid->count(); ++index) {
        const GridCell cell = cellOf(*grid, index);
        if (cell.row > labelCell.row && cell.sharesColumnWith(labelCell))
            rowsBelow = qMin(rowsBelow, cell.row - labelCell.row);
    }

    m_scrollingView = new QTextEdit(this);
    m_scrollingView->setObjectName(QStringLiteral("messageView"));
    m_scrollingView->setFont(label->font());
    m_scrollingView->setFrameShape(QFrame::NoFrame);
    m_scrollingView->setReadOnly(true);
    m_scrollingView->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The OK button keeps the focus, so Enter and Esc answer the box as usual.
    m_scrollingView->setFocusPolicy(Qt::NoFocus);
    m_scrollingView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollingView->setLineWrapMode(QTextEdit::WidgetWidth);
    m_scrollingView->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_scrollingView->document()->setDocumentMargin(0);
    QPalette onBoxFace = m_scrollingView->palette();
    onBoxFace.setColor(QPalette::Base, onBoxFace.color(QPalette::Window));
    m_scrollingView->setPalette(onBoxFace);
    // The text comes once the box has its size (fitScrollingBox): laying out a long text is
    // the costly part, and the box's own sizing would do it again at every width it tries.
    grid->addWidget(m_scrollingView, labelCell.row, labelCell.column, rowsBelow,
                    labelCell.columnSpan);
    label->hide();
    m_scrollingView->show(); // the box's other controls were shown just before its showEvent
}

void ErrorBox::fitScrollingBox(QSize space)
{
    const QSize beside = spaceBesideText();
    const int clientWidth = widestClientWidth(space);
    const int viewWidth = clientWidth - beside.width();
    const int spaceForText = space.height() - beside.height();
    // Wrapped anywhere, a text takes at most as many lines as wrapped at word boundaries first:
    // when even that is too high, the view scrolls, and the box takes the whole height.
    const int leastHeight = QFontMetrics(m_scrollingView->font())
                                .boundingRect(QRect(0, 0, viewWidth, QWIDGETSIZE_MAX),
                                              Qt::TextWrapAnywhere | Qt::TextExpandTabs, text())
                                .height();
    int textHeight = leastHeight;
    if (leastHeight <= spaceForText) {
        // Measured apart, then laid out once more in the view at its final width: every change
        // of the view's width lays the whole text out again.
        QTextDocument measured;
        measured.setDefaultFont(m_scrollingView->font());
        measured.setDocumentMargin(m_scrollingView->document()->documentMargin());
        measured.setDefaultTextOption(m_scrollingView->document()->defaultTextOption());
        measured.setTextWidth(viewWidth);
        measured.setPlainText(text());
        textHeight = static_cast<int>(std::ceil(measured.size().height()));
    }
    const bool scrolls = textHeight > spaceForText;
    m_scrollingView->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn
                                                        : Qt::ScrollBarAlwaysOff);
    m_scrollingBoxSize =
        QSize(clientWidth, scrolls ? space.height() : beside.height() + textHeight);
    setFixedSize(m_scrollingBoxSize);
    layout()->setGeometry(rect()); // the view takes its final size now, still empty
    m_scrollingView->setPlainText(text());
}

bool ErrorBox::event(QEvent *event)
{
    const bool handled = QMessageBox::event(event);
    // QMessageBox sizes itself anew on every layout request, measuring the hidden label as
    // nothing: the scrolling box keeps its size.
    if (event->type() == QEvent::LayoutRequest && m_scrollingView != nullptr &&
        m_scrollingBoxSize.isValid() && size() != m_scrollingBoxSize)
        setFixedSize(m_scrollingBoxSize);
    return handled;
}

void ErrorBox::keepWithinScreen()
{
    const QScreen *shownOn = screen();
    if (shownOn == nullptr)
        return;
    const QRect available = shownOn->availableGeometry();
    const QSize space = spaceOnScreen();
    if (width() > space.width() || height() > space.height()) {
        // The message label gives up the height that does not fit; the buttons keep theirs.
        if (QLabel *label = messageLabel(*this))
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        setFixedSize(qMin(width(), space.width()), qMin(height(), space.height()));
    }
    const QRect outer = frameGeometry();
    const int left = qBound(available.left(), outer.left(), available.right() + 1 - outer.width());
    const int top = qBound(available.top(), outer.top(), available.bottom() + 1 - outer.height());
    if (left != outer.left() || top != outer.top())
        move(left, top);
}

} // namespace forms
