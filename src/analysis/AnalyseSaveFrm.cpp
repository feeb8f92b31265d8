#include "AnalyseSaveFrm.h"
#include "core/clock.h"
#include "core/error.h"
#include "core/numfmt.h"
#include "gui/dialogs.h"
#include "gui/handler.h"
#include "gui/widgets.h"
#include "store/analyses.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace torval::analysis {

TAnalyseSaveForm::TAnalyseSaveForm(store::Tables &tables, const QStringList &lines, QWidget *parent)
    : QDialog(parent), m_tables(tables), m_lines(lines)
{
    setObjectName(QStringLiteral("AnalyseSaveForm"));
    setWindowTitle(QStringLiteral("Analyse speichern"));

    auto edit = [this](const QString &name, int maxLength) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        if (maxLength > 0)
            e->setMaxLength(maxLength);
        return e;
    };
    BezeichngEdit = edit(QStringLiteral("BezeichngEdit"), 60);
    DatumEdit = edit(QStringLiteral("DatumEdit"), 10);
    AutorEdit = edit(QStringLiteral("AutorEdit"), 60);
    InfoEdit = edit(QStringLiteral("InfoEdit"), 60);
    const QString today = formatDate(Clock::today());
    BezeichngEdit->setText(QStringLiteral("Analyse vom ") + today);
    DatumEdit->setText(today);
    AutorEdit->setText(QStringLiteral("Hauptbenutzer"));
    InfoEdit->setText(QStringLiteral("Anzahl der einbezogenen Nahrungsmittel: ") + QString::number(lines.size()));

    SaveBtn = gui::namedButton(QStringLiteral("SaveBtn"), QStringLiteral("&Speichern"), QString(), this);
    SaveBtn->setDefault(true);
    CancelBtn = gui::namedButton(QStringLiteral("CancelBtn"), QStringLiteral("Abbrechen"), QString(), this);
    connect(SaveBtn, &QPushButton::clicked, this, [this] { gui::guarded([this] { SaveBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *form = new QFormLayout;
    auto row = [&](const QString &caption, QLineEdit *field) {
        auto *l = new QLabel(caption, this);
        l->setBuddy(field);
        form->addRow(l, field);
    };
    row(QStringLiteral("&Bezeichnung:"), BezeichngEdit);
    row(QStringLiteral("&Datum:"), DatumEdit);
    row(QStringLiteral("&Autor:"), AutorEdit);
    row(QStringLiteral("&Info:"), InfoEdit);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SaveBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setFixedSize(440, sizeHint().height());
}

void TAnalyseSaveForm::SaveBtnClick()
{
    QDate date;
    try {
        date = parseDate(DatumEdit->text());
    } catch (const Error &) {
        gui::dialogs().showMessage(QStringLiteral("Das Datum ist ungültig."));
        DatumEdit->setFocus();
        return;
    }
    const QString name = BezeichngEdit->text();
    if (name.trimmed().isEmpty()) {
        gui::dialogs().showMessage(QStringLiteral("Es wurde keine Bezeichnung eingetragen."));
        BezeichngEdit->setFocus();
        return;
    }
    const bool exists = store::analysisExists(m_tables, name);
    if (exists
        && gui::dialogs().messageDlg(QStringLiteral("Ein Datensatz mit einer solchen Bezeichnung existiert bereits.\n\n"
                                                    "Wollen Sie diesen überschreiben?"),
                                     gui::Dialogs::Type::Confirmation, gui::Dialogs::Yes | gui::Dialogs::No)
               != gui::Dialogs::Yes) {
        gui::dialogs().showMessage(QStringLiteral("Ändern Sie bitte die Bezeichnung!"));
        BezeichngEdit->setFocus();
        return;
    }
    store::saveAnalysis(m_tables, {name, date, AutorEdit->text(), InfoEdit->text()}, m_lines, exists);
    accept();
}

} // namespace torval::analysis
