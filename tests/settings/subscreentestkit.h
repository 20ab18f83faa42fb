#pragma once

#include "tests/enrollment/enrollmenttestkit.h"

#include <QListView>
#include <QScrollBar>

// The sub-screens draw their lists with delegates, so tests read what the rows show through the model.
inline QListView* listOf(const QWidget* screen, const char* name)
{
    return child<QListView>(screen, name);
}

inline QStringList rowTexts(const QListView* view, int role = Qt::DisplayRole)
{
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts.append(view->model()->index(row, 0).data(role).toString());
    return texts;
}

inline QLabel* infoLabel(const QWidget* screen)
{
    return child<QLabel>(screen, "info label");
}

// What the list area shows in place of rows; empty while it shows rows.
inline QString informationShown(const QWidget* screen, const char* listName)
{
    return listOf(screen, listName)->isHidden() ? infoLabel(screen)->text() : QString();
}

inline void clickRow(QListView* view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, rect.center());
}

// Screens are tried at the size the settings page gives them, inside a page with its font.
inline void showAsInSettings(QWidget* screen)
{
    screen->setStyleSheet(screen->styleSheet() + QStringLiteral(" font: 14px \"Ubuntu\";"));
    screen->resize(376, 699);
    screen->show();
}
