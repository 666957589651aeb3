// The floor that start-up is measured against: a bare Qt dialog of the table's size, painted
// in one colour (the card back's blue, so that the same pixel test sees its first frame).
#include <QApplication>
#include <QDialog>
#include <QPainter>

namespace {

class CBareDialog : public QDialog {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(28, 72, 150)); }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CBareDialog dialog;
    dialog.setFixedSize(953, 621);
    return dialog.exec();
}
