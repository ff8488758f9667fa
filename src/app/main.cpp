#include <QApplication>

#include "AppInfo.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(nivora::program::kName));
    return 0;
}
