#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);

    QWidget window;
    window.setObjectName(QStringLiteral("mainWindow"));
    window.setStyleSheet(QStringLiteral("background-color: black;"));
    window.setFixedSize(480, 272);
    window.show();

    return app.exec();
}
