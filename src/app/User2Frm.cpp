#include "User2Frm.h"
#include "ZudorMainFrm.h"
#include "gui/dialogs.h"
#include "gui/handler.h"
#include "gui/help.h"
#include "gui/widgets.h"
#include "store/tables.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace torval::app {

namespace {

struct FieldSpec
{
    const char16_t *field;
    const char16_t *caption;
    int width;
};

const FieldSpec kFields[] = {
    {u"Name", u"Name", 40},       {u"Vorname", u"Vorname", 40}, {u"Strasse", u"Strasse", 60},
    {u"PLZ", u"PLZ", 5},          {u"Wohnort", u"Wohnort", 60}, {u"Email", u"Email", 80},
    {u"Telefon", u"Telefon", 30}, {u"Fax", u"Fax", 30},         {u"Gewicht", u"Gewicht (kg)", 3},
};
const int kGewicht = 8;

QString fieldName(int i)
{
    return QString::fromUtf16(kFields[i].field);
}

} // namespace

TUser2Form::TUser2Form(TZudorMainForm &main, QWidget *parent)
    : QDialog(parent), m_main(main), m_users(main.tables() ? &main.tables()->UserTable : nullptr)
{
    setObjectName(QStringLiteral("User2Form"));
    setWindowTitle(QStringLiteral("Benutzer"));

    auto *personal = new QGroupBox(QStringLiteral("Benutzerdaten:"), this);
    personal->setObjectName(QStringLiteral("GroupBox1"));
    auto *more = new QGroupBox(QStringLiteral("Weitere Daten:"), this);
    more->setObjectName(QStringLiteral("GroupBox2"));
    auto *pl = new QGridLayout(personal);
    auto *ml = new QGridLayout(more);
    for (int i = 0; i < int(std::size(kFields)); ++i) {
        QWidget *box = i == kGewicht ? more : personal;
        auto *edit = new QLineEdit(box);
        edit->setObjectName(QStringLiteral("DBEdit") + fieldName(i));
        edit->setMaxLength(kFields[i].width);
        auto *label = new QLabel(QString::fromUtf16(kFields[i].caption), box);
        label->setBuddy(edit);
        if (i == kGewicht) {
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}")), edit));
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
            ml->addWidget(label, 0, 0);
            ml->addWidget(edit, 0, 1);
        } else {
            pl->addWidget(label, i, 0);
            pl->addWidget(edit, i, 1);
        }
        fields << edit;
        connect(edit, &QLineEdit::textEdited, this,
                [this, i](const QString &text) { gui::guarded([&] { fieldEdited(i, text); }); });
    }
    fields.at(3)->setFixedWidth(fields.at(3)->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    pl->setColumnMinimumWidth(1, 280);
    PersDatenBtn = gui::namedButton(QStringLiteral("PersDatenBtn"), QStringLiteral("Persönliche Daten (Bedarf) ..."),
                                    QString(), more);
    ml->addWidget(PersDatenBtn, 0, 2);
    ml->setColumnStretch(3, 1);

    auto *nav = new QWidget(this);
    nav->setObjectName(QStringLiteral("DBNavigator1"));
    auto *nl = new QHBoxLayout(nav);
    nl->setContentsMargins(0, 0, 0, 0);
    nl->setSpacing(2);
    auto navButton = [&](const QString &name, const QString &glyph, const QString &tip) {
        auto *b = new QToolButton(nav);
        b->setObjectName(name);
        b->setText(glyph);
        b->setToolTip(tip);
        b->setAccessibleName(tip);
        b->setMinimumSize(30, 26);
        nl->addWidget(b);
        return b;
    };
    NavFirst = navButton(QStringLiteral("NavFirst"), QStringLiteral("|◀"), QStringLiteral("Erster Datensatz"));
    NavPrior = navButton(QStringLiteral("NavPrior"), QStringLiteral("◀"), QStringLiteral("Vorheriger Datensatz"));
    NavNext = navButton(QStringLiteral("NavNext"), QStringLiteral("▶"), QStringLiteral("Nächster Datensatz"));
    NavLast = navButton(QStringLiteral("NavLast"), QStringLiteral("▶|"), QStringLiteral("Letzter Datensatz"));
    NavInsert = navButton(QStringLiteral("NavInsert"), QStringLiteral("+"), QStringLiteral("Datensatz einfügen"));
    NavDelete = navButton(QStringLiteral("NavDelete"), QStringLiteral("−"), QStringLiteral("Datensatz löschen"));
    NavCancel = navButton(QStringLiteral("NavCancel"), QStringLiteral("✕"), QStringLiteral("Bearbeitung abbrechen"));

    FertigBtn = gui::namedButton(QStringLiteral("FertigBtn"), QStringLiteral("Fertig"), QString(), this);
    FertigBtn->setDefault(true);
    BtnHelp = gui::helpButton(QStringLiteral("BtnHelp"), 3, this);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(nav);
    bottom->addStretch();
    bottom->addWidget(FertigBtn);
    bottom->addWidget(BtnHelp);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(personal);
    layout->addWidget(more);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, BtnHelp, &QPushButton::click);
    connect(FertigBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(PersDatenBtn, &QPushButton::clicked, this, [this] { gui::guarded([this] { PersDatenBtnClick(); }); });
    connect(NavFirst, &QToolButton::clicked, this, [this] { navigate([](store::Table &t) { t.first(); }); });
    connect(NavPrior, &QToolButton::clicked, this, [this] { navigate([](store::Table &t) { t.prior(); }); });
    connect(NavNext, &QToolButton::clicked, this, [this] { navigate([](store::Table &t) { t.next(); }); });
    connect(NavLast, &QToolButton::clicked, this, [this] { navigate([](store::Table &t) { t.last(); }); });
    connect(NavInsert, &QToolButton::clicked, this, [this] { navigate([](store::Table &t) { t.append(); }); });
    connect(NavCancel, &QToolButton::clicked, this, [this] { navigate([](store::Table &t) { t.cancel(); }); });
    connect(NavDelete, &QToolButton::clicked, this, [this] {
        navigate([](store::Table &t) {
            if (gui::dialogs().messageDlg(QStringLiteral("Datensatz löschen?"), gui::Dialogs::Type::Confirmation,
                                          gui::Dialogs::Ok | gui::Dialogs::Cancel)
                == gui::Dialogs::Ok)
                t.remove();
        });
    });
    if (m_users)
        connect(m_users, &store::Table::recordChanged, this, [this] { showRecord(); });
    showRecord();
}

void TUser2Form::showRecord()
{
    for (int i = 0; i < fields.size(); ++i) {
        const QString text = m_users && m_users->isOpen() ? m_users->asString(fieldName(i)) : QString();
        if (fields.at(i)->text() != text)
            fields.at(i)->setText(text);
    }
    updateNavigator();
}

void TUser2Form::updateNavigator()
{
    const bool open = m_users && m_users->isOpen();
    const bool editing = open && m_users->state() != store::Table::State::Browse;
    const bool any = open && (m_users->hasRecord() || editing);
    for (QToolButton *b : {NavFirst, NavPrior, NavNext, NavLast})
        b->setEnabled(any);
    NavInsert->setEnabled(open);
    NavDelete->setEnabled(any);
    NavCancel->setEnabled(editing);
    for (QLineEdit *e : std::as_const(fields))
        e->setReadOnly(!open);
    PersDatenBtn->setEnabled(open);
}

void TUser2Form::fieldEdited(int index, const QString &text)
{
    if (!m_users)
        return;
    if (m_users->state() == store::Table::State::Browse)
        m_users->edit();
    m_users->setString(fieldName(index), text);
    updateNavigator();
}

void TUser2Form::navigate(const std::function<void(store::Table &)> &step)
{
    gui::guarded([&] {
        if (m_users)
            step(*m_users);
    });
    showRecord();
}

void TUser2Form::PersDatenBtnClick()
{
    m_main.PersDatenBtnClick();
    showRecord();
}

bool TUser2Form::storePending()
{
    const bool ok = gui::guarded([this] {
        if (m_users && m_users->isOpen())
            m_users->post();
    });
    showRecord();
    return ok;
}

void TUser2Form::closeEvent(QCloseEvent *event)
{
    if (!storePending()) {
        event->ignore();
        return;
    }
    m_closing = true;
    QDialog::closeEvent(event);
}

void TUser2Form::done(int result)
{
    // Esc and the close box end here too: store first, and stay open when
    // the record cannot be stored.
    if (!m_closing && !storePending())
        return;
    m_closing = false;
    QDialog::done(result);
}

} // namespace torval::app
