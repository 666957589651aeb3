#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label("Handfall II: the table window is not built yet.");
    label.show();
    return app.exec();
}
