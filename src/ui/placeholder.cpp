// Replaced by the table window.
#include <QLabel>
void HandfallPlaceholder() {}
