#include "FileViewer.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QListView>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <string_view>

#include "QtText.h"
#include "measurement/MessFahrtDaten.h"
#include "measurement/Messung.h"

namespace nivora::app {

namespace {
constexpr int kTabWidth = 8;

// Tabs become blanks up to the next stop, so that columns line up in the
// fixed-pitch font.
QString ExpandTabs(const QString& s) {
    if (!s.contains(QLatin1Char('\t'))) return s;
    QString out;
    out.reserve(s.size() + 16);
    for (const QChar c : s) {
        if (c == QLatin1Char('\t'))
            out += QString(kTabWidth - out.size() % kTabWidth, QLatin1Char(' '));
        else
            out += c;
    }
    return out;
}
}  // namespace

void FileLinesModel::SetRun(std::shared_ptr<const CMessFahrtDaten> run, int charWidth,
                            int lineHeight) {
    beginResetModel();
    m_run = std::move(run);
    m_hasPlaceholder = false;
    std::size_t longest = 0;
    if (m_run) {
        const auto& lines = m_run->FileLines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string_view line = lines[i];
            longest = std::max(longest, line.size());
        }
    }
    // Every row is as wide as the longest line with room for its tabs, so
    // that rows of one size still scroll sideways to the end of each line.
    const auto chars = static_cast<int>(std::min(longest, kMaxShownChars) * 5 / 4 + 16);
    m_itemSize = QSize(chars * charWidth, lineHeight);
    endResetModel();
}

void FileLinesModel::SetPlaceholder(const QString& line) {
    beginResetModel();
    m_run.reset();
    m_placeholder = line;
    m_hasPlaceholder = !line.isEmpty();
    m_itemSize = QSize();
    endResetModel();
}

void FileLinesModel::Clear() {
    beginResetModel();
    m_run.reset();
    m_hasPlaceholder = false;
    endResetModel();
}

int FileLinesModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    if (m_hasPlaceholder) return 1;
    return m_run ? static_cast<int>(m_run->FileLines().size()) : 0;
}

QString FileLinesModel::LineText(int row) const {
    if (m_hasPlaceholder) return m_placeholder;
    const auto& lines = m_run->FileLines();
    const std::string_view line = lines[static_cast<std::size_t>(row)];
    std::string shown(line.substr(0, kMaxShownChars));
    UmlautRepair(shown);
    QString text = ExpandTabs(qt::FromCp1252(shown));
    if (line.size() > kMaxShownChars) text += QStringLiteral(" …");
    return text;
}

QVariant FileLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return LineText(index.row());
    if (role == Qt::SizeHintRole && m_itemSize.isValid()) return m_itemSize;
    return {};
}

bool CNMDateiDlg::s_placed = false;

CNMDateiDlg::CNMDateiDlg(QWidget* owner)
    : QWidget(owner,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_list(new QListView(this)),
      m_model(new FileLinesModel(this)) {
    setObjectName(QStringLiteral("fileViewer"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_list);
    m_list->setObjectName(QStringLiteral("edit101"));
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(9);
    font.setStyleHint(QFont::TypeWriter);
    m_list->setFont(font);
    m_list->setUniformItemSizes(true);
    m_list->setLayoutMode(QListView::Batched);
    m_list->setBatchSize(2000);
    m_list->setWordWrap(false);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setStyleSheet(QStringLiteral("QListView { background: rgb(191, 191, 191); }"));
    m_list->setModel(m_model);
    resize(400, 400);
}

void CNMDateiDlg::SetContent(const QString& caption, std::shared_ptr<const CMessFahrtDaten> run) {
    setWindowTitle(caption);
    m_run = run;
    m_text.clear();
    m_showsText = !run;
    if (isVisible()) Fill();
}

void CNMDateiDlg::SetText(const QString& caption, const QString& text) {
    setWindowTitle(caption);
    m_run.reset();
    m_text = text;
    m_showsText = true;
    if (isVisible()) Fill();
}

void CNMDateiDlg::Fill() {
    if (m_showsText) {
        m_model->SetPlaceholder(m_text);
        return;
    }
    const QFontMetrics metrics(m_list->font());
    m_model->SetRun(m_run.lock(), metrics.horizontalAdvance(QLatin1Char('M')),
                    metrics.lineSpacing());
}

QString CNMDateiDlg::Text() const {
    QStringList lines;
    for (int i = 0; i < m_model->rowCount(); ++i)
        lines << m_model->data(m_model->index(i), Qt::DisplayRole).toString();
    return lines.join(QLatin1Char('\n'));
}

int CNMDateiDlg::ShownLineCount() const { return m_model->rowCount(); }

void CNMDateiDlg::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Fill();
}

void CNMDateiDlg::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A hidden viewer holds nothing of the run.
    m_model->Clear();
}

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
    m_list->setFocus();
}

}  // namespace nivora::app
