#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) {
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    }
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("Oralix：主窗口尚在建设中"));
    placeholder.resize(480, 120);
    placeholder.show();
    return app.exec();
}
