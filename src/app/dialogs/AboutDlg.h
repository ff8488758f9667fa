#pragma once
// "Info über Nivora": title, maker, what the program does and how to reach
// the maker, with the web and mail addresses as links.
#include <QDialog>

namespace nivora::app {

class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // The maker's contact block of field 1277, lines separated by "\n".
    static QString ContactBlock();
    static QString Description();
};

}  // namespace nivora::app
