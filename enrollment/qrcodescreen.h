#pragma once

#include <QWidget>

class QRCodeScreen : public QWidget
{
    Q_OBJECT
public:
    explicit QRCodeScreen(QWidget* parent = nullptr);
};
