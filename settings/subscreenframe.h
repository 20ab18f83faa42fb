#pragma once

#include "settings/accessiblerows.h"

#include <QAbstractListModel>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPushButton>
#include <QVector>
#include <QWidget>

class LiveLabel;
class QLabel;
class QListView;
class QAbstractItemDelegate;
class QPainter;
class QStackedLayout;
class QStyleOptionViewItem;

// The parts the settings sub-screens share: a title bar with a back button, and a list area that shows either the
// agent's listing or one centred line of information. Each screen puts them in its form and adds only its own rows.

// Texts that need the user's attention on a sub-screen: a field left empty, a counter at its limit, a choice the
// agent refused. Dark enough to read as text on the white screens, not only as a colour.
inline const QColor warningColor(0xC6, 0x28, 0x28);

// "titleBar" in a sub-screen's form. The title is a designer property, so it is translated in the screen's context.
class SubScreenTitleBar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)
public:
    explicit SubScreenTitleBar(QWidget* parent = nullptr);

    QString title() const;
    void setTitle(const QString& text);
    QPushButton* back() const { return backButton; }

signals:
    void backClicked();

private:
    QPushButton* backButton;
    QLabel* titleLabel;
};

// What the settings page asks of a sub-screen that shows one listing of the agent's: the page sends the request and
// holds the wait, the screen only shows what became of it.
class ListingScreen
{
public:
    // Rows gone, nothing shown: the state while the listing is awaited.
    virtual void clearListing() = 0;
    // Rows gone; one line in their place, such as why no listing came.
    virtual void showInformation(const QString& text) = 0;

protected:
    ~ListingScreen() = default;
};

// Rows of one listing. A listing replaces all rows at once, so the view lays them out once per answer.
class RowListModelBase : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;
    virtual void clear() = 0;
};

template <typename Row> class RowListModel : public RowListModelBase
{
public:
    using RowListModelBase::RowListModelBase;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : rows.size();
    }
    void setRows(QVector<Row> newRows)
    {
        beginResetModel();
        rows = std::move(newRows);
        endResetModel();
    }
    void clear() override { setRows({}); }
    const Row& row(int index) const { return rows.at(index); }

private:
    QVector<Row> rows;
};

// The list area of a sub-screen. Thousands of rows are drawn by a delegate in one view rather than built as widgets,
// so only the rows in sight cost anything to show.
class SubScreenList : public QWidget
{
    Q_OBJECT
public:
    explicit SubScreenList(QWidget* parent = nullptr);

    // The view shows `model` through `delegate`; both stay owned by the caller. A screen reader finds the list under
    // `name`, with rows of that use.
    void setModel(RowListModelBase* model, QAbstractItemDelegate* delegate, const QString& name,
                  AccessibleRows::RowUse use);
    QListView* view() const { return listView; }
    // Rows gone, nothing shown: the state while an answer is awaited.
    void clear();
    // Rows gone; one line of plain text, centred, in their place.
    void showInformation(const QString& text);
    void showRows();

    // Marks the row the keyboard is on while the list has the focus, so that arrowing shows where it is. Delegates
    // call it before they draw the row's content.
    static void paintCurrentRow(QPainter* painter, const QStyleOptionViewItem& option);

    // The width a row lays its texts out in: the view's width less the scroll bar, whether that shows or not, so
    // the bar appearing does not lay every row out again.
    static int rowWidth(const QStyleOptionViewItem& option);

private:
    RowListModelBase* model = nullptr;
    QStackedLayout* pages;
    QWidget* infoContainer;
    LiveLabel* infoLabel;
    QListView* listView;
};

// Word-wrapped plain text for delegates. A label would measure every text through the font engine, which costs more
// than a whole listing should; here each character's advance is measured once and lines break at blanks, after
// hyphens and slashes and at line breaks, much as a word-wrapping label breaks them.
class RowText
{
public:
    explicit RowText(const QFont& font = QFont());

    // The distance from one line to the next.
    int lineHeight() const { return metrics.lineSpacing(); }
    int width(const QString& text) const;
    // Height of the wrapped text; an empty text takes no room.
    int height(const QString& text, int width) const;
    // Draws the wrapped text from the top left of `area`, clipped to it.
    void draw(QPainter* painter, const QRect& area, const QString& text, const QColor& color) const;
    // Draws one line, right-aligned in `area` and cut short with an ellipsis when it does not fit.
    void drawLineRight(QPainter* painter, const QRect& area, const QString& text, const QColor& color) const;

private:
    struct Line
    {
        int start;
        int length;
    };
    QVector<Line> lines(const QString& text, int width) const;
    int advance(const QString& text, int from, int length) const;

    QFont textFont;
    QFontMetrics metrics;
    mutable QHash<uint, int> advances;
};
