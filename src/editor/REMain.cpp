#include "REMain.h"
#include "core/error.h"
#include "core/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextEdit>

namespace torval::editor {

TRichMainForm::TRichMainForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("RichMainForm"));
    Editor = new QTextEdit(this);
    Editor->setObjectName(QStringLiteral("Editor"));
    Editor->setAcceptRichText(true);
    Editor->setTabChangesFocus(false);
    Editor->setLineWrapMode(QTextEdit::WidgetWidth);
    Editor->setAccessibleName(QStringLiteral("Dokument"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    Editor->document()->setDefaultFont(f);
    Editor->document()->setDocumentMargin(6);
    setCentralWidget(Editor);

    StatusPanel1 = new QLabel(this);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel2 = new QLabel(this);
    StatusPanel2->setObjectName(QStringLiteral("StatusPanel2"));
    StatusPanel2->setAlignment(Qt::AlignCenter);
    StatusPanel2->setMinimumWidth(80);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(StatusPanel1, 1);
    statusBar()->addWidget(StatusPanel2);

    connect(Editor, &QTextEdit::cursorPositionChanged, this, &TRichMainForm::ShowCaretPosition);
    connect(Editor->document(), &QTextDocument::modificationChanged, this, &TRichMainForm::ShowModifiedFlag);

    AssignDocumentName(QStringLiteral("Untitled"));
    ShowCaretPosition();
    resize(640, 480);
}

void TRichMainForm::AssignDocumentName(const QString &name)
{
    m_documentName = name;
    setWindowTitle(QFileInfo(name).fileName());
}

void TRichMainForm::LoadDocument(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Datei ") + path + QStringLiteral(" kann nicht geöffnet werden"));
    const QByteArray bytes = file.readAll();
    const QString text = decodeUtf8OrWindows1252(bytes);
    Editor->setPlainText(text);
    AssignDocumentName(QFileInfo(path).absoluteFilePath());
    Editor->setFocus();
    Editor->document()->setModified(false);
    ShowModifiedFlag(false);
}

void TRichMainForm::OpenInReportEditor(const QString &path)
{
    setVisible(true);
    LoadDocument(path);
    QTextCursor c(Editor->document());
    c.select(QTextCursor::Document);
    QTextCharFormat size;
    size.setFontPointSize(12);
    c.mergeCharFormat(size);
    c.clearSelection();
    c.movePosition(QTextCursor::Start);
    Editor->setTextCursor(c);
    Editor->document()->setModified(false);
    ShowModifiedFlag(false);
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void TRichMainForm::ShowCaretPosition()
{
    const QTextCursor c = Editor->textCursor();
    StatusPanel1->setText(
        QStringLiteral("Zeile: %1   Spalte: %2").arg(c.blockNumber() + 1, 3).arg(c.positionInBlock() + 1, 3));
}

void TRichMainForm::ShowModifiedFlag(bool modified)
{
    StatusPanel2->setText(modified ? QStringLiteral("Modified") : QString());
}

} // namespace torval::editor
