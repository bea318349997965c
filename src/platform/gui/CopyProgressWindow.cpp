#include "platform/gui/CopyProgressWindow.h"

#include "platform/fs/FolderItem.h"

#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kRefreshMs = 100;
constexpr int kBarSteps = 1000;

QString megabytes(qint64 bytes) {
    return QLocale::system().toString(double(bytes) / 1e6, 'f', 1) + QStringLiteral(" MB");
}

} // namespace

CopyProgressWindow::CopyProgressWindow(CopyProgress& progress)
    : m_progress(progress), m_name(new QLabel(this)), m_counts(new QLabel(this)),
      m_bar(new QProgressBar(this)), m_cancel(new QPushButton(QStringLiteral("キャンセル"), this)),
      m_timer(new QTimer(this)) {
    setObjectName(kObjectName);
    setWindowTitle(QStringLiteral("コピー中"));
    setModal(true);
    setFixedWidth(360);
    m_name->setTextFormat(Qt::PlainText);
    m_bar->setRange(0, kBarSteps);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_name);
    layout->addWidget(m_counts);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
    QObject::connect(m_cancel, &QPushButton::clicked, this, [this] { reject(); });
    QObject::connect(m_timer, &QTimer::timeout, this, [this] { update(); });
    m_timer->start(kRefreshMs);
    update();
}

void CopyProgressWindow::update() {
    const QByteArray current = m_progress.current();
    if (!current.isEmpty())
        m_name->setText(FolderItem::fromPosixPath(current)->displayName());
    const qint64 items = m_progress.itemsDone, bytes = m_progress.bytesDone;
    const qint64 itemsTotal = m_progress.itemsTotal, bytesTotal = m_progress.bytesTotal;
    m_counts->setText(QStringLiteral("%1 / %2 項目　%3 / %4")
                          .arg(items)
                          .arg(itemsTotal)
                          .arg(megabytes(bytes), megabytes(bytesTotal)));
    // Bytes weigh most; a tree of empty files moves the bar by its items.
    const double byBytes = bytesTotal > 0 ? double(bytes) / double(bytesTotal) : 0;
    const double byItems = itemsTotal > 0 ? double(items) / double(itemsTotal) : 0;
    const double done = bytesTotal > 0 ? byBytes : byItems;
    m_bar->setValue(int(std::min(1.0, done) * kBarSteps));
}

void CopyProgressWindow::reject() {
    m_progress.cancelled = true;
    m_cancel->setEnabled(false);
    m_name->setText(QStringLiteral("中止しています…"));
    // The window closes when the copy has stopped, which the runner sees.
}
