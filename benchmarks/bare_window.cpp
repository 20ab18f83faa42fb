// The floor for the idle window's memory: a Qt Widgets window of the same size that is nothing but a label, with the
// same Qt libraries on the same display. scripts/measure-idle measures it beside the real window. Like the program, it
// keeps Qt from loading an OpenGL driver only to probe it.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Secure Access"));
    window.setFixedSize(376, 699);
    window.show();
    return app.exec();
}
