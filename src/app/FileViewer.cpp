#include "FileViewer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

#include "QtText.h"
#include "measurement/Messung.h"

namespace nivora::app {

bool CNMDateiDlg::s_placed = false;

CNMDateiDlg::CNMDateiDlg(QWidget* owner)
    : QWidget(owner,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_edit(new QTextEdit(this)) {
    setObjectName(QStringLiteral("fileViewer"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_edit);
    m_edit->setObjectName(QStringLiteral("edit101"));
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(9);
    font.setStyleHint(QFont::Monospace);
    m_edit->setFont(font);
    m_edit->setLineWrapMode(QTextEdit::WidgetWidth);
    m_edit->setAcceptRichText(false);
    m_edit->setStyleSheet(QStringLiteral("QTextEdit { background: rgb(191, 191, 191); }"));
    resize(400, 400);
}

void CNMDateiDlg::SetContent(const QString& caption, std::string text) {
    setWindowTitle(caption);
    UmlautRepair(text);
    m_edit->setPlainText(qt::FromCp1252(text));
}

QString CNMDateiDlg::Text() const { return m_edit->toPlainText(); }

void CNMDateiDlg::ShowViewer() {
    if (!s_placed) {
        s_placed = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect g = screen->geometry();
            move(g.width() - frameGeometry().width() - 4,
                 g.height() - frameGeometry().height() - 4);
        }
    }
    show();
    m_edit->setFocus();
}

}  // namespace nivora::app
