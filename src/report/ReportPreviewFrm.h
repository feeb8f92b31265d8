#pragma once

#include <functional>

#include "ReportLayout.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QScrollArea;

namespace torval::report {

class PageView;

// The print preview of a report: page navigation, zoom, printing through the
// platform's print dialog, export as RTF, CSV and PDF. It is a window of its
// own beside the main window, not modal; it deletes itself when closed.
class TReportPreviewForm final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TReportPreviewForm)

public:
    // baseName names the export files it proposes (e.g. "Bestenliste").
    TReportPreviewForm(const PreparedReport &report, const QString &baseName, QWidget *parent = nullptr);
    ~TReportPreviewForm() override;

    const ReportLayout &layout() const { return m_layout; }
    int currentPage() const { return m_page; }
    void showPage(int page);
    // Zoom in per cent of the natural size; 0 fits the page width, -1 the
    // whole page.
    void setZoom(int percent);
    double scale() const;

    void PrintBtnClick();
    void RtfBtnClick();
    void CsvBtnClick();
    void PdfBtnClick();

    QAction *FirstPageAction;
    QAction *PriorPageAction;
    QAction *NextPageAction;
    QAction *LastPageAction;
    QAction *PrintAction;
    QAction *RtfAction;
    QAction *CsvAction;
    QAction *PdfAction;
    QAction *CloseAction;
    QComboBox *ZoomCombo;
    QLabel *PageLabel;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString exportPath(const QString &caption, const QString &suffix, const QString &filter);
    // Asks for a file name and writes the export there.
    void saveExport(const QString &caption, const QString &suffix, const QString &filter,
                    const std::function<QByteArray()> &bytes);
    void updateControls();

    ReportLayout m_layout;
    QString m_baseName;
    int m_page = 0;
    int m_zoom = 0;
    QScrollArea *m_scroll;
    PageView *m_view;
};

} // namespace torval::report
