#include "settings/subscreenframe.h"

#include "app/assistiveroles.h"
#include "app/brandprofile.h"
#include "app/herald.h"
#include "app/livelabel.h"
#include "app/theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedLayout>
#include <QStyleOptionFocusRect>
#include <QStyleOptionViewItem>

namespace {
// Light enough that the row's texts keep their contrast.
constexpr int currentRowTintAlpha = 0x28;
} // namespace

SubScreenTitleBar::SubScreenTitleBar(QWidget* parent)
    : QWidget(parent), backButton(new QPushButton(this)), titleLabel(new QLabel(this))
{
    // A widget subclass paints its style-sheet background only when asked to.
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(60);
    setMaximumWidth(376);
    applyThemeColors(this, StyleTemplate::titleBar);

    backButton->setObjectName(QStringLiteral("backButton"));
    backButton->setFixedSize(50, 60);
    backButton->setFlat(true);
    backButton->setIcon(QIcon(QStringLiteral(":/images/goBackWhite.png")));
    backButton->setIconSize(QSize(20, 20));
    backButton->setAccessibleName(tr("Back"));
    backButton->setStyleSheet(QStringLiteral("QPushButton{border: 0px; margin-right: 0px;}QPushButton:pressed{}"));

    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setFixedHeight(51);
    titleLabel->setStyleSheet(QStringLiteral("font-size: 19px; font-weight: bold;"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(backButton);
    layout->addWidget(titleLabel);
    layout->addStretch();

    connect(backButton, &QPushButton::clicked, this, &SubScreenTitleBar::backClicked);
}

QString SubScreenTitleBar::title() const
{
    return titleLabel->text();
}

void SubScreenTitleBar::setTitle(const QString& text)
{
    titleLabel->setText(text);
    // The screen is read by its title when the keyboard comes into it.
    if (parentWidget())
        AssistiveRoles::nameScreen(parentWidget(), text);
}

namespace {

// QListView tells a screen reader that its new current row has the focus even when the list does not have it. The
// gateway list makes the one in use current as it comes; Orca then took the keyboard's place to be that row, and the
// first Down, which the Back button got, said nothing.
class RowListView : public QListView
{
protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override
    {
        if (hasFocus())
            QListView::currentChanged(current, previous);
        else
            QAbstractItemView::currentChanged(current, previous);
    }
};

} // namespace

SubScreenList::SubScreenList(QWidget* parent)
    : QWidget(parent), pages(new QStackedLayout(this)), infoContainer(new QWidget), infoLabel(new LiveLabel),
      listView(new RowListView)
{
    setMaximumWidth(376);

    infoContainer->setObjectName(QStringLiteral("info container widget"));
    auto* infoLayout = new QVBoxLayout(infoContainer);
    infoLayout->setObjectName(QStringLiteral("info container"));
    infoLayout->setContentsMargins(15, 15, 15, 15);
    infoLayout->setAlignment(Qt::AlignTop);
    infoLabel->setObjectName(QStringLiteral("info label"));
    infoLabel->setTextFormat(Qt::PlainText);
    infoLabel->setWordWrap(true);
    infoLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    infoLayout->addWidget(infoLabel);
    // It says on its own why no rows came, or that there are none.
    (new Herald(this))->follow(infoLabel);

    listView->setFrameShape(QFrame::NoFrame);
    listView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The row the keyboard is on is the selected one, for a screen reader as for the eye.
    listView->setSelectionMode(QAbstractItemView::SingleSelection);
    // Rows wrap their texts to the view's width, so a change of width lays them out again.
    listView->setWordWrap(true);
    listView->setResizeMode(QListView::Adjust);
    applyThemeColors(listView, StyleTemplate::scrollBar);

    pages->addWidget(infoContainer);
    pages->addWidget(listView);
}

void SubScreenList::setModel(RowListModelBase* rows, QAbstractItemDelegate* delegate, const QString& name,
                             AccessibleRows::RowUse use)
{
    model = rows;
    listView->setModel(rows);
    listView->setItemDelegate(delegate);
    listView->setAccessibleName(name);
    AccessibleRows::exposeList(listView, use);
}

void SubScreenList::clear()
{
    showInformation(QString());
}

void SubScreenList::showInformation(const QString& text)
{
    if (model)
        model->clear();
    // The hidden view keeps its scroll position: the next listing would open where the last one was left.
    listView->scrollToTop();
    // Set once, not cleared first: a screen reader hears the line when it says something new.
    infoLabel->setText(text);
    pages->setCurrentWidget(infoContainer);
}

void SubScreenList::showRows()
{
    infoLabel->clear();
    pages->setCurrentWidget(listView);
}

void SubScreenList::paintCurrentRow(QPainter* painter, const QStyleOptionViewItem& option)
{
    if (!(option.state & QStyle::State_HasFocus))
        return;
    // A ring alone is a thin line some styles hardly draw; the tint marks the whole row.
    QColor tint(brand().primaryColor);
    tint.setAlpha(currentRowTintAlpha);
    painter->fillRect(option.rect, tint);
    QStyleOptionFocusRect focus;
    focus.initFrom(option.widget);
    focus.rect = option.rect.adjusted(2, 2, -2, -2);
    option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
}

int SubScreenList::rowWidth(const QStyleOptionViewItem& option)
{
    const auto* view = qobject_cast<const QAbstractScrollArea*>(option.widget);
    if (!view)
        return option.rect.width();
    return view->width() - view->frameWidth() * 2 - view->verticalScrollBar()->sizeHint().width();
}

RowText::RowText(const QFont& font) : textFont(font), metrics(font) {}

int RowText::advance(const QString& text, int from, int length) const
{
    int total = 0;
    for (int i = from; i < from + length;) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < from + length && text.at(i + 1).isLowSurrogate();
        const uint key = pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        auto known = advances.constFind(key);
        if (known == advances.constEnd())
            known = advances.insert(key, metrics.horizontalAdvance(text.mid(i, pair ? 2 : 1)));
        total += *known;
        i += pair ? 2 : 1;
    }
    return total;
}

int RowText::width(const QString& text) const
{
    return advance(text, 0, text.size());
}

QVector<RowText::Line> RowText::lines(const QString& text, int width) const
{
    QVector<Line> result;
    if (text.isEmpty())
        return result;
    const QChar blank(QLatin1Char(' '));
    auto characterLength = [&text](int at) {
        return text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate() ? 2 : 1;
    };
    for (int paragraph = 0;;) {
        int paragraphEnd = text.indexOf(QLatin1Char('\n'), paragraph);
        if (paragraphEnd < 0)
            paragraphEnd = text.size();
        int lineStart = paragraph;
        int lineEnd = paragraph;
        int lineWidth = 0;
        for (int i = paragraph; i < paragraphEnd;) {
            const int blanksStart = i;
            while (i < paragraphEnd && text.at(i) == blank)
                ++i;
            // A word ends at a blank, or after a hyphen or slash within it (host names, paths), as a label breaks.
            const int wordStart = i;
            while (i < paragraphEnd && text.at(i) != blank) {
                const QChar character = text.at(i++);
                if ((character == QLatin1Char('-') || character == QLatin1Char('/')) && i < paragraphEnd &&
                    text.at(i) != blank)
                    break;
            }
            if (wordStart == i)
                break;
            const int blanks = advance(text, blanksStart, wordStart - blanksStart);
            int rest = advance(text, wordStart, i - wordStart);
            if (lineEnd > lineStart && lineWidth + blanks + rest > width) {
                result.append({lineStart, lineEnd - lineStart});
                lineStart = wordStart;
                lineWidth = 0;
            } else {
                lineWidth += blanks;
            }
            // A word wider than the row is cut where it overflows, so none of it is hidden past the edge.
            for (int piece = wordStart; lineWidth + rest > width;) {
                int fit = piece;
                int fitWidth = lineWidth;
                while (fit < i) {
                    const int length = characterLength(fit);
                    const int next = advance(text, fit, length);
                    if (fitWidth + next > width && fit > lineStart)
                        break;
                    fitWidth += next;
                    fit += length;
                }
                if (fit >= i)
                    break;
                result.append({lineStart, fit - lineStart});
                rest -= fitWidth - lineWidth;
                lineStart = piece = fit;
                lineWidth = 0;
            }
            lineWidth += rest;
            lineEnd = i;
        }
        result.append({lineStart, lineEnd - lineStart});
        if (paragraphEnd == text.size())
            return result;
        paragraph = paragraphEnd + 1;
    }
}

int RowText::height(const QString& text, int width) const
{
    // Lines follow each other at the line spacing; the last one also needs room for its descenders.
    const int count = lines(text, width).size();
    return count ? (count - 1) * metrics.lineSpacing() + metrics.height() : 0;
}

void RowText::draw(QPainter* painter, const QRect& area, const QString& text, const QColor& color) const
{
    painter->save();
    painter->setClipRect(area, Qt::IntersectClip);
    painter->setFont(textFont);
    painter->setPen(color);
    int baseline = area.top() + metrics.ascent();
    for (const Line& line : lines(text, area.width())) {
        if (baseline - metrics.ascent() > area.bottom())
            break;
        painter->drawText(area.left(), baseline, text.mid(line.start, line.length));
        baseline += metrics.lineSpacing();
    }
    painter->restore();
}

void RowText::drawLineRight(QPainter* painter, const QRect& area, const QString& text, const QColor& color) const
{
    painter->save();
    painter->setFont(textFont);
    painter->setPen(color);
    painter->drawText(area, Qt::AlignRight | Qt::AlignBottom, metrics.elidedText(text, Qt::ElideMiddle, area.width()));
    painter->restore();
}
