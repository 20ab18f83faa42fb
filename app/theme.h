#pragma once

#include <QString>

class QWidget;

// Style-sheet templates shared by several screens. Their colour placeholders are filled from the brand profile by
// applyThemeColors, so no brand colour is ever written into a form or a screen.
namespace StyleTemplate {
inline const QString titleBar =
    QStringLiteral("background-color: __primaryColor__; color: #FFF; font-size: 18px; font-weight: bold;");
inline const QString largeButton = QStringLiteral(
    "QPushButton{background-color: __primaryColor__;font-size: 18px;font-weight: bold;border-radius: 4px;height: "
    "42px;width: 335px;color: #FFF;}QPushButton:disabled{background-color: "
    "__secondaryColor__;}QPushButton:pressed{background-color: __secondaryColor__}");
inline const QString gatewayButton = QStringLiteral(
    "QPushButton {background-color: __primaryColor__; color: #FFF;; border:0px;font: 75 14pt \"Ubuntu\"; "
    "font-weight:bold; border-radius: 5px;}QPushButton:disabled {background-color:__secondaryColor__;}");
inline const QString qrScreenButton = QStringLiteral(
    "QPushButton {background-color: __primaryColor__; color: #FFF;; border:0px;font: 75 14pt \"Ubuntu\"; "
    "font-weight:bold; height: 42px;width: 335px; border-radius: 5px;}QPushButton:disabled "
    "{background-color:__secondaryColor__;}");
inline const QString scrollBar = QStringLiteral(
    "QScrollBar:vertical { border: none; background: white; width: 7px; margin: 2px 1px 2px 1px;} "
    "QScrollBar::handle:vertical { background: __primaryColor__;  min-height: 20px;} QScrollBar::add-line:vertical { "
    "border: none; background: none;\theight: 0px;} QScrollBar::sub-line:vertical { border: none; background: "
    "none;\theight: 0px;}");
inline const QString plainTitleBar = QStringLiteral("background-color: __primaryColor__; color: #FFF;");
inline const QString splash = QStringLiteral("background-color: __primaryColor__;");
} // namespace StyleTemplate

struct ThemeColors
{
    QString primary;
    QString secondary;
    QString background;
    QString slider;

    // The brand's own colours; the dark variant puts the dark colour in the primary slot (secondary-action buttons).
    static ThemeColors brandColors();
    static ThemeColors darkColors();
};

// Every placeholder is replaced, also those whose colour is not given, so no placeholder reaches setStyleSheet.
QString fillThemeColors(QString styleTemplate, const ThemeColors& colors);

void applyThemeColors(QWidget* widget, const QString& styleTemplate,
                      const ThemeColors& colors = ThemeColors::brandColors());
