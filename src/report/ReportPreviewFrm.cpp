#include "ReportPreviewFrm.h"
#include "core/reportexport.h"
#include "core/textfile.h"
#include "gui/dialogs.h"
#include "gui/handler.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <functional>

namespace torval::report {

namespace {

constexpr int kPageMargin = 12; // screen pixels around the page

QString &lastExportDir()
{
    static QString dir;
    return dir;
}

} // namespace

// The page on the screen, painted from the layout at the window's scale.
class PageView final : public QWidget
{
public:
    PageView(const TReportPreviewForm &form, QWidget *parent) : QWidget(parent), m_form(form)
    {
        setObjectName(QStringLiteral("PageView"));
        setAttribute(Qt::WA_OpaquePaintEvent, false);
        setAccessibleName(QStringLiteral("Seitenansicht"));
    }

    void updateSize()
    {
        const QSizeF page = m_form.layout().pageSize() * m_form.scale();
        setFixedSize(int(page.width()) + 2 * kPageMargin, int(page.height()) + 2 * kPageMargin);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const double s = m_form.scale();
        const QSizeF page = m_form.layout().pageSize() * s;
        const QRectF paper(kPageMargin, kPageMargin, page.width(), page.height());
        p.fillRect(paper.translated(3, 3), QColor(0, 0, 0, 70));
        p.fillRect(paper, Qt::white);
        p.setPen(QColor(120, 120, 120));
        p.drawRect(paper.adjusted(-0.5, -0.5, 0.5, 0.5));
        p.translate(paper.topLeft());
        p.scale(s, s);
        m_form.layout().paintPage(p, m_form.currentPage());
    }

private:
    const TReportPreviewForm &m_form;
};

TReportPreviewForm::TReportPreviewForm(const PreparedReport &report, const QString &baseName, QWidget *parent)
    : QMainWindow(parent, Qt::Window), m_layout(report), m_baseName(baseName)
{
    setObjectName(QStringLiteral("ReportPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString title = report.title.isEmpty() ? baseName : report.title;
    setWindowTitle(QStringLiteral("Druckvorschau - ") + title);

    auto action = [this](const QString &name, const QString &text, const QKeySequence &key,
                         QStyle::StandardPixmap icon = QStyle::SP_CustomBase) {
        auto *a = new QAction(text, this);
        a->setObjectName(name);
        if (!key.isEmpty())
            a->setShortcut(key);
        if (icon != QStyle::SP_CustomBase)
            a->setIcon(style()->standardIcon(icon));
        return a;
    };
    FirstPageAction = action(QStringLiteral("FirstPageAction"), QStringLiteral("&Erste Seite"),
                             QKeySequence(Qt::CTRL | Qt::Key_Home), QStyle::SP_MediaSkipBackward);
    PriorPageAction = action(QStringLiteral("PriorPageAction"), QStringLiteral("&Vorige Seite"),
                             QKeySequence(Qt::Key_PageUp), QStyle::SP_MediaSeekBackward);
    NextPageAction = action(QStringLiteral("NextPageAction"), QStringLiteral("&Nächste Seite"),
                            QKeySequence(Qt::Key_PageDown), QStyle::SP_MediaSeekForward);
    LastPageAction = action(QStringLiteral("LastPageAction"), QStringLiteral("&Letzte Seite"),
                            QKeySequence(Qt::CTRL | Qt::Key_End), QStyle::SP_MediaSkipForward);
    PrintAction = action(QStringLiteral("PrintAction"), QStringLiteral("&Drucken..."), QKeySequence::Print);
    RtfAction = action(QStringLiteral("RtfAction"), QStringLiteral("Als &RTF speichern..."), QKeySequence());
    CsvAction = action(QStringLiteral("CsvAction"), QStringLiteral("Als &CSV speichern..."), QKeySequence());
    PdfAction = action(QStringLiteral("PdfAction"), QStringLiteral("Als &PDF speichern..."), QKeySequence());
    CloseAction = action(QStringLiteral("CloseAction"), QStringLiteral("&Schließen"), QKeySequence(Qt::Key_Escape));
    FirstPageAction->setToolTip(QStringLiteral("Erste Seite (Strg+Pos1)"));
    PriorPageAction->setToolTip(QStringLiteral("Vorige Seite (Bild auf)"));
    NextPageAction->setToolTip(QStringLiteral("Nächste Seite (Bild ab)"));
    LastPageAction->setToolTip(QStringLiteral("Letzte Seite (Strg+Ende)"));

    connect(FirstPageAction, &QAction::triggered, this, [this] { showPage(0); });
    connect(PriorPageAction, &QAction::triggered, this, [this] { showPage(m_page - 1); });
    connect(NextPageAction, &QAction::triggered, this, [this] { showPage(m_page + 1); });
    connect(LastPageAction, &QAction::triggered, this, [this] { showPage(m_layout.pageCount() - 1); });
    connect(PrintAction, &QAction::triggered, this, [this] { gui::guarded([this] { PrintBtnClick(); }); });
    connect(RtfAction, &QAction::triggered, this, [this] { gui::guarded([this] { RtfBtnClick(); }); });
    connect(CsvAction, &QAction::triggered, this, [this] { gui::guarded([this] { CsvBtnClick(); }); });
    connect(PdfAction, &QAction::triggered, this, [this] { gui::guarded([this] { PdfBtnClick(); }); });
    connect(CloseAction, &QAction::triggered, this, &QWidget::close);

    QMenu *file = menuBar()->addMenu(QStringLiteral("&Datei"));
    file->addAction(PrintAction);
    file->addSeparator();
    file->addAction(RtfAction);
    file->addAction(CsvAction);
    file->addAction(PdfAction);
    file->addSeparator();
    file->addAction(CloseAction);
    QMenu *view = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    view->addAction(FirstPageAction);
    view->addAction(PriorPageAction);
    view->addAction(NextPageAction);
    view->addAction(LastPageAction);

    QToolBar *bar = addToolBar(QStringLiteral("Vorschau"));
    bar->setObjectName(QStringLiteral("PreviewToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->addAction(FirstPageAction);
    bar->addAction(PriorPageAction);
    PageLabel = new QLabel(bar);
    PageLabel->setObjectName(QStringLiteral("PageLabel"));
    PageLabel->setAlignment(Qt::AlignCenter);
    PageLabel->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(PageLabel);
    bar->addAction(NextPageAction);
    bar->addAction(LastPageAction);
    bar->addSeparator();
    auto *zoomLabel = new QLabel(QStringLiteral("&Zoom:"), bar);
    zoomLabel->setContentsMargins(4, 0, 4, 0);
    ZoomCombo = new QComboBox(bar);
    ZoomCombo->setObjectName(QStringLiteral("ZoomCombo"));
    for (const int z : {50, 75, 100, 125, 150, 200})
        ZoomCombo->addItem(QString::number(z) + QStringLiteral(" %"), z);
    ZoomCombo->addItem(QStringLiteral("Seitenbreite"), 0);
    ZoomCombo->addItem(QStringLiteral("Ganze Seite"), -1);
    zoomLabel->setBuddy(ZoomCombo);
    bar->addWidget(zoomLabel);
    bar->addWidget(ZoomCombo);
    bar->addSeparator();
    auto textButton = [bar](QAction *a) {
        auto *b = new QToolButton(bar);
        b->setDefaultAction(a);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setObjectName(a->objectName() + QStringLiteral("Button"));
        return b;
    };
    bar->addWidget(textButton(PrintAction));
    auto *exportButton = new QToolButton(bar);
    exportButton->setObjectName(QStringLiteral("ExportButton"));
    exportButton->setText(QStringLiteral("Speichern &unter"));
    exportButton->setPopupMode(QToolButton::InstantPopup);
    auto *exportMenu = new QMenu(exportButton);
    exportMenu->addAction(RtfAction);
    exportMenu->addAction(CsvAction);
    exportMenu->addAction(PdfAction);
    exportButton->setMenu(exportMenu);
    bar->addWidget(exportButton);
    bar->addSeparator();
    bar->addWidget(textButton(CloseAction));

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("PreviewScroll"));
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidgetResizable(false);
    m_view = new PageView(*this, m_scroll);
    m_scroll->setWidget(m_view);
    setCentralWidget(m_scroll);
    m_scroll->viewport()->installEventFilter(this);
    statusBar()->setObjectName(QStringLiteral("PreviewStatus"));

    connect(ZoomCombo, &QComboBox::activated, this, [this](int i) { setZoom(ZoomCombo->itemData(i).toInt()); });

    QSize size(860, 960);
    if (const QScreen *s = QGuiApplication::primaryScreen()) {
        const QRect avail = s->availableGeometry();
        size = size.boundedTo(QSize(avail.width() * 9 / 10, avail.height() * 9 / 10));
    }
    resize(size);
    setZoom(0);
    showPage(0);
}

TReportPreviewForm::~TReportPreviewForm() = default;

double TReportPreviewForm::scale() const
{
    const double natural = logicalDpiX() / 1440.0;
    if (m_zoom > 0)
        return natural * m_zoom / 100.0;
    const QSize avail = m_scroll->viewport()->size() - QSize(2 * kPageMargin + 4, 2 * kPageMargin + 4);
    const QSizeF page = m_layout.pageSize();
    // Fitting the width leaves room for the vertical scroll bar.
    const double sbar = m_scroll->verticalScrollBar()->sizeHint().width();
    const double width = (avail.width() - (m_zoom == 0 ? sbar : 0)) / page.width();
    const double height = avail.height() / page.height();
    const double s = m_zoom == 0 ? width : std::min(width, height);
    return std::max(s, natural * 0.1);
}

void TReportPreviewForm::setZoom(int percent)
{
    m_zoom = percent;
    const int i = ZoomCombo->findData(percent);
    if (i >= 0)
        ZoomCombo->setCurrentIndex(i);
    m_view->updateSize();
}

void TReportPreviewForm::showPage(int page)
{
    m_page = qBound(0, page, m_layout.pageCount() - 1);
    m_scroll->verticalScrollBar()->setValue(0);
    updateControls();
    m_view->update();
}

void TReportPreviewForm::updateControls()
{
    const int pages = m_layout.pageCount();
    PageLabel->setText(QStringLiteral("Seite ") + QString::number(m_page + 1) + QStringLiteral(" von ")
                       + QString::number(pages));
    FirstPageAction->setEnabled(m_page > 0);
    PriorPageAction->setEnabled(m_page > 0);
    NextPageAction->setEnabled(m_page + 1 < pages);
    LastPageAction->setEnabled(m_page + 1 < pages);
}

bool TReportPreviewForm::eventFilter(QObject *watched, QEvent *event)
{
    // The fitting zooms follow the visible area.
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize && m_zoom <= 0)
        m_view->updateSize();
    return QMainWindow::eventFilter(watched, event);
}

QString TReportPreviewForm::exportPath(const QString &caption, const QString &suffix, const QString &filter)
{
    QString dir = lastExportDir();
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        dir = QDir::homePath();
    QString path = gui::dialogs().saveFileName(caption, QDir(dir).filePath(m_baseName + u'.' + suffix), filter);
    if (path.isEmpty())
        return path;
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + suffix;
    lastExportDir() = QFileInfo(path).absolutePath();
    return path;
}

void TReportPreviewForm::saveExport(const QString &caption, const QString &suffix, const QString &filter,
                                    const std::function<QByteArray()> &bytes)
{
    const QString path = exportPath(caption, suffix, filter);
    if (path.isEmpty())
        return;
    writeFileAtomically(path, bytes());
    statusBar()->showMessage(QStringLiteral("Gespeichert: ") + QDir::toNativeSeparators(path), 8000);
}

void TReportPreviewForm::RtfBtnClick()
{
    saveExport(QStringLiteral("Als RTF speichern"), QStringLiteral("rtf"), QStringLiteral("RTF-Dokument (*.rtf)"),
               [this] { return reportToRtf(m_layout.report()); });
}

void TReportPreviewForm::CsvBtnClick()
{
    saveExport(QStringLiteral("Als CSV speichern"), QStringLiteral("csv"),
               QStringLiteral("CSV-Datei, Semikolon getrennt (*.csv)"),
               [this] { return reportToCsv(m_layout.report()); });
}

void TReportPreviewForm::PdfBtnClick()
{
    saveExport(QStringLiteral("Als PDF speichern"), QStringLiteral("pdf"), QStringLiteral("PDF-Dokument (*.pdf)"),
               [this] {
                   QBuffer buffer;
                   buffer.open(QIODevice::WriteOnly);
                   {
                       QPdfWriter pdf(&buffer);
                       pdf.setResolution(1200);
                       pdf.setCreator(QStringLiteral("TORVAL Ernährungsberater"));
                       pdf.setTitle(m_layout.report().title);
                       m_layout.render(pdf);
                   }
                   return buffer.data();
               });
}

void TReportPreviewForm::PrintBtnClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(m_layout.report().title.isEmpty() ? m_baseName : m_layout.report().title);
    printer.setFromTo(1, m_layout.pageCount());
    QPrintDialog dlg(&printer, this);
    dlg.setObjectName(QStringLiteral("PrintDialog"));
    dlg.setMinMax(1, m_layout.pageCount());
    dlg.setOption(QAbstractPrintDialog::PrintPageRange);
    dlg.setOption(QAbstractPrintDialog::PrintCurrentPage);
    if (dlg.exec() != QDialog::Accepted)
        return;
    int first = 0, last = m_layout.pageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage() - 1;
        last = printer.toPage() - 1;
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        first = last = m_page;
    }
    m_layout.render(printer, first, last);
}

} // namespace torval::report
