#pragma once

#include <QWidget>

class OtpScreen : public QWidget
{
    Q_OBJECT
public:
    explicit OtpScreen(QWidget* parent = nullptr);
};
