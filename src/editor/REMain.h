#pragma once

#include <QMainWindow>

class QLabel;
class QTextEdit;

namespace torval::editor {

// The report editor window: shows the texts the program hands over (the
// day's evaluation, a recipe text) for reading, editing and printing.
class TRichMainForm final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TRichMainForm)

public:
    explicit TRichMainForm(QWidget *parent = nullptr);

    // Shows the file as the editor's document, replacing the previous one
    // without asking: whole text at 12 points, caret at the start, window
    // shown, restored if minimized and brought to the front.
    void OpenInReportEditor(const QString &path);

    // Reads the file (rich text if it is RTF, otherwise plain text) and makes
    // it the document. Throws Error when the file cannot be read.
    void LoadDocument(const QString &path);
    void AssignDocumentName(const QString &name);
    QString documentName() const { return m_documentName; }

    QTextEdit *Editor;
    QLabel *StatusPanel1;
    QLabel *StatusPanel2;

private:
    void ShowCaretPosition();
    void ShowModifiedFlag(bool modified);

    QString m_documentName;
};

} // namespace torval::editor
