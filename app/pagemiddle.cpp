#include "app/pagemiddle.h"

#include "app/theme.h"

#include <QBoxLayout>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace {

bool isBottomBar(const QWidget* widget)
{
    const QString name = widget->objectName();
    return name == QLatin1String("bottomBar") || name == QLatin1String("bottomNavBar") ||
           name == QLatin1String("settingsWidget");
}

// The middle is laid out for the page's whole width (a field of 335 px between margins of 20): a scroll bar beside it
// would squeeze it, so the settings page's thin bar floats over its right margin instead.
class FloatingBar : public QObject
{
public:
    explicit FloatingBar(QScrollArea* area) : QObject(area), area(area), bar(new QScrollBar(Qt::Vertical, area))
    {
        bar->setObjectName(QStringLiteral("pageMiddleBar"));
        applyThemeColors(bar, StyleTemplate::scrollBar);
        bar->hide();
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QScrollBar* hidden = area->verticalScrollBar();
        connect(hidden, &QScrollBar::rangeChanged, bar, [this, hidden](int minimum, int maximum) {
            bar->setRange(minimum, maximum);
            bar->setPageStep(hidden->pageStep());
            bar->setVisible(maximum > minimum);
            bar->raise();
        });
        connect(hidden, &QScrollBar::valueChanged, bar, &QScrollBar::setValue);
        connect(bar, &QScrollBar::valueChanged, hidden, &QScrollBar::setValue);
        area->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize) {
            const int width = bar->sizeHint().width();
            bar->setGeometry(area->width() - width, 0, width, area->height());
        }
        return false;
    }

private:
    QScrollArea* area;
    QScrollBar* bar;
};

} // namespace

namespace PageMiddle {

void scrollBetweenBars(QWidget* page)
{
    auto* layout = qobject_cast<QVBoxLayout*>(page->layout());
    if (!layout || layout->count() < 2)
        return;
    const QWidget* first = layout->itemAt(0)->widget();
    if (!first || first->objectName() != QLatin1String("titleBar"))
        return;
    for (int i = 0; i < layout->count(); ++i) {
        if (qobject_cast<QAbstractScrollArea*>(layout->itemAt(i)->widget()))
            return;
    }
    int end = layout->count();
    while (end > 1 && layout->itemAt(end - 1)->widget() && isBottomBar(layout->itemAt(end - 1)->widget()))
        --end;
    if (end <= 1)
        return;

    auto* middle = new QWidget;
    middle->setObjectName(QStringLiteral("pageMiddle"));
    auto* middleLayout = new QVBoxLayout(middle);
    middleLayout->setContentsMargins(0, 0, 0, 0);
    middleLayout->setSpacing(layout->spacing());
    for (int i = 1; i < end; ++i) {
        const int stretch = layout->stretch(1);
        QLayoutItem* item = layout->takeAt(1);
        if (QWidget* widget = item->widget()) {
            delete item;
            middleLayout->addWidget(widget, stretch);
        } else if (QLayout* inner = item->layout()) {
            inner->setParent(nullptr);
            middleLayout->addLayout(inner, stretch);
        } else {
            middleLayout->addItem(item);
        }
    }

    auto* scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("pageMiddleScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidgetResizable(true);
    scroller->setWidget(middle);
    new FloatingBar(scroller);
    layout->insertWidget(1, scroller, 1);
}

} // namespace PageMiddle
