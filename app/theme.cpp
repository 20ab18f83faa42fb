#include "app/theme.h"

#include "app/brandprofile.h"

#include <QWidget>

ThemeColors ThemeColors::brandColors()
{
    return {brand().primaryColor, brand().secondaryColor, {}, {}};
}

ThemeColors ThemeColors::darkColors()
{
    return {brand().darkColor, brand().secondaryColor, {}, {}};
}

QString fillThemeColors(QString styleTemplate, const ThemeColors& colors)
{
    styleTemplate.replace(QLatin1String("__primaryColor__"), colors.primary);
    styleTemplate.replace(QLatin1String("__secondaryColor__"), colors.secondary);
    styleTemplate.replace(QLatin1String("__bgColor__"), colors.background);
    styleTemplate.replace(QLatin1String("__sliderColor__"), colors.slider);
    return styleTemplate;
}

void applyThemeColors(QWidget* widget, const QString& styleTemplate, const ThemeColors& colors)
{
    widget->setStyleSheet(fillThemeColors(styleTemplate, colors));
}
