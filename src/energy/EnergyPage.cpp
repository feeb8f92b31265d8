#include "EnergyPage.h"
#include "ReduktionFrm.h"
#include "SportFrm.h"
#include "core/energy.h"
#include "core/runstate.h"
#include "gui/MaskEdit.h"
#include "gui/RadioGroup.h"
#include "gui/handler.h"
#include "gui/help.h"
#include "gui/widgets.h"
#include "store/tables.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace torval::energy {

namespace {

QLabel *namedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLabel *valueLabel(const QString &name, QWidget *parent)
{
    auto *l = namedLabel(name, QStringLiteral("0"), parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    return l;
}

} // namespace

EnergyPage::EnergyPage(store::Database &db, RunState &run, QWidget *parent) : QWidget(parent), m_db(db), m_run(run)
{
    // Inputs.
    auto *input = new QGroupBox(QStringLiteral("Eingabedaten"), this);
    input->setObjectName(QStringLiteral("EingabePanel"));
    GewichtEdit = new gui::MaskEdit(3, input);
    GewichtEdit->setObjectName(QStringLiteral("GewichtEdit"));
    GewichtEdit->setMaskText(maskText(CalculatorDefaults::weightKg, 3));
    auto *gewichtLabel = namedLabel(QStringLiteral("GewichtLabel"), QStringLiteral("Körpergewicht in kg:"), input);
    gewichtLabel->setBuddy(GewichtEdit);

    GeschlechtGroup = new gui::RadioGroup(QStringLiteral("Geschlecht:"), input);
    GeschlechtGroup->setObjectName(QStringLiteral("GeschlechtGroup"));
    GeschlechtGroup->setItems({QStringLiteral("männlich"), QStringLiteral("weiblich")}, 2);
    GeschlechtGroup->setItemIndex(CalculatorDefaults::sex);

    TaetigkeitGroup = new gui::RadioGroup(QStringLiteral("körperliche Tätigkeit:"), input);
    TaetigkeitGroup->setObjectName(QStringLiteral("TaetigkeitGroup"));
    TaetigkeitGroup->setItems(activityNames());
    TaetigkeitGroup->setItemIndex(CalculatorDefaults::activity);
    TaetigkeitGroup->setToolTip(activityHint(CalculatorDefaults::activity));

    StundenEdit = new gui::MaskEdit(2, input);
    StundenEdit->setObjectName(QStringLiteral("StundenEdit"));
    StundenEdit->setMaskText(maskText(CalculatorDefaults::hours, 2));
    auto *stundenLabel =
        namedLabel(QStringLiteral("StundenLabel"), QStringLiteral("Stundenzahl oberer Aktivitäten:"), input);
    stundenLabel->setBuddy(StundenEdit);

    auto *il = new QGridLayout(input);
    il->addWidget(gewichtLabel, 0, 0);
    il->addWidget(GewichtEdit, 0, 1, Qt::AlignLeft);
    il->addWidget(GeschlechtGroup, 1, 0, 1, 2);
    il->addWidget(TaetigkeitGroup, 2, 0, 1, 2);
    il->addWidget(stundenLabel, 3, 0);
    il->addWidget(StundenEdit, 3, 1, Qt::AlignLeft);
    il->setColumnStretch(1, 1);

    // Results.
    auto *result = new QGroupBox(QStringLiteral("Energiebedarf pro Tag"), this);
    result->setObjectName(QStringLiteral("ErgebnisPanel"));
    GULabel = valueLabel(QStringLiteral("GULabel"), result);
    AULabel = valueLabel(QStringLiteral("AULabel"), result);
    GesamtLabel = valueLabel(QStringLiteral("GesamtLabel"), result);
    auto *gesamtCaption = namedLabel(QStringLiteral("GesamtCaption"), QStringLiteral("Gesamtumsatz:"), result);
    auto *gesamtUnit = new QLabel(QStringLiteral("kcal"), result);
    QFont bold = font();
    bold.setBold(true);
    for (QLabel *l : {gesamtCaption, GesamtLabel, gesamtUnit})
        l->setFont(bold);
    auto *line = new QFrame(result);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *values = new QGridLayout;
    values->addWidget(namedLabel(QStringLiteral("GUCaption"), QStringLiteral("Grundumsatz:"), result), 0, 0);
    values->addWidget(GULabel, 0, 1);
    values->addWidget(new QLabel(QStringLiteral("kcal"), result), 0, 2);
    values->addWidget(namedLabel(QStringLiteral("AUCaption"), QStringLiteral("Arbeitsumsatz:"), result), 1, 0);
    values->addWidget(AULabel, 1, 1);
    values->addWidget(new QLabel(QStringLiteral("kcal"), result), 1, 2);
    values->addWidget(line, 2, 0, 1, 3);
    values->addWidget(gesamtCaption, 3, 0);
    values->addWidget(GesamtLabel, 3, 1);
    values->addWidget(gesamtUnit, 3, 2);
    values->setColumnStretch(3, 1);
    values->setHorizontalSpacing(12);

    auto *note =
        namedLabel(QStringLiteral("HinweisLabel"),
                   QStringLiteral("Hinweis: Die Werte wurden gerundet dargestellt und gelten für einen Tag."), result);
    note->setWordWrap(true);
    auto *details =
        namedLabel(QStringLiteral("DetailsLabel"),
                   QStringLiteral("Schlagen Sie Details zur Berechnung in der Wissensdatenbank nach."), result);
    details->setWordWrap(true);
    SumKcalCheckBox = new QCheckBox(QStringLiteral("Diese Summe für die Tagesanalyse nutzen"), result);
    SumKcalCheckBox->setObjectName(QStringLiteral("SumKcalCheckBox"));

    auto *rl = new QVBoxLayout(result);
    rl->addLayout(values);
    rl->addSpacing(8);
    rl->addWidget(note);
    rl->addWidget(details);
    rl->addSpacing(8);
    rl->addWidget(SumKcalCheckBox);

    auto *more = new QGroupBox(QStringLiteral("Weitere Berechnungen"), this);
    more->setObjectName(QStringLiteral("WeiterePanel"));
    SportBtn = gui::namedButton(QStringLiteral("SportBtn"), QStringLiteral("Sportliche Aktivitäten"),
                                QStringLiteral("weitere sportliche Tätigkeiten eintragen"), more);
    ReduktionBtn =
        gui::namedButton(QStringLiteral("ReduktionBtn"), QStringLiteral("Reduktionsdiät berechnen"), QString(), more);
    auto *moreButtons = new QHBoxLayout;
    moreButtons->addWidget(SportBtn);
    moreButtons->addWidget(ReduktionBtn);
    moreButtons->addStretch();
    auto *ml = new QVBoxLayout(more);

    BtnHelp4 = gui::helpButton(QStringLiteral("BtnHelp4"), 8, this);

    SportLabel = namedLabel(QStringLiteral("SportLabel"), QString(), more);
    ml->addWidget(SportLabel);
    ml->addLayout(moreButtons);

    auto *right = new QVBoxLayout;
    right->addWidget(result);
    right->addWidget(more);
    right->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(input);
    top->addLayout(right, 1);
    auto *helpRow = new QHBoxLayout;
    helpRow->addStretch();
    helpRow->addWidget(BtnHelp4);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buildExplanation(), 1);
    layout->addLayout(helpRow);

    connect(&m_run, &RunState::changed, this, &EnergyPage::showSport);
    showSport();

    auto recompute = [this] { gui::guarded([this] { GewichtEditChange(); }); };
    connect(GewichtEdit, &gui::MaskEdit::changed, this, recompute);
    connect(StundenEdit, &gui::MaskEdit::changed, this, recompute);
    connect(GeschlechtGroup, &gui::RadioGroup::changed, this, recompute);
    connect(TaetigkeitGroup, &gui::RadioGroup::changed, this, recompute);
    connect(SumKcalCheckBox, &QCheckBox::toggled, this, [this] { gui::guarded([this] { SumKcalCheckBoxClick(); }); });
    gui::onClick(SportBtn, this, &EnergyPage::SportBtnClick);
    gui::onClick(ReduktionBtn, this, &EnergyPage::ReduktionBtnClick);
}

QWidget *EnergyPage::buildExplanation()
{
    // How the three values come about, in words and with the factors the
    // calculator uses, so that the numbers above can be followed by hand.
    auto *box = new QGroupBox(QStringLiteral("So wird gerechnet"), this);
    box->setObjectName(QStringLiteral("BerechnungPanel"));
    auto *text = namedLabel(
        QStringLiteral("BerechnungLabel"),
        QStringLiteral("<p><b>Grundumsatz</b> – die Energie, die der Körper in Ruhe braucht: Körpergewicht in kg × 24 "
                       "kcal; für Frauen geteilt durch 1,1.</p>"
                       "<p><b>Arbeitsumsatz</b> – die Energie für die körperliche Tätigkeit: Stundenzahl der "
                       "gewählten Tätigkeit × kcal je Stunde (Tabelle), dazu die Energie der sportlichen "
                       "Aktivitäten.</p>"
                       "<p><b>Gesamtumsatz</b> – Grundumsatz + Arbeitsumsatz, der Energiebedarf eines Tages.</p>"),
        box);
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);

    auto *factors = new QGridLayout;
    factors->setHorizontalSpacing(16);
    QFont bold = font();
    bold.setBold(true);
    const QStringList heads = {QStringLiteral("kcal je Stunde"), QStringLiteral("männlich"),
                               QStringLiteral("weiblich")};
    for (int c = 0; c < heads.size(); ++c) {
        auto *h = new QLabel(heads.at(c), box);
        h->setFont(bold);
        factors->addWidget(h, 0, c, c == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    const QStringList &levels = activityNames();
    for (int level = 0; level < levels.size(); ++level) {
        factors->addWidget(new QLabel(levels.at(level), box), level + 1, 0);
        for (int sex : {kMale, kFemale})
            factors->addWidget(new QLabel(formatGeneral(activityFactor(level, sex)), box), level + 1, sex + 1,
                               Qt::AlignRight);
    }
    factors->setColumnStretch(3, 1);

    auto *l = new QHBoxLayout(box);
    l->addWidget(text, 3);
    l->addSpacing(12);
    l->addLayout(factors, 2);
    return box;
}

void EnergyPage::showSport()
{
    const Fixed4 kcal = m_run.sportEnergy();
    SportLabel->setText(kcal == Fixed4() ? QStringLiteral("Keine sportlichen Aktivitäten eingetragen.")
                                         : QStringLiteral("Sportliche Aktivitäten: ") + kcal.toString()
                                               + QStringLiteral(" kcal am Tag"));
}

void EnergyPage::updateUserLabel()
{
    if (m_host.weightShown)
        m_host.weightShown(GewichtEdit->maskText().trimmed());
}

bool EnergyPage::GewichtEditChange()
{
    updateUserLabel();
    const QString weight = GewichtEdit->maskText();
    const QString hours = StundenEdit->maskText();
    if (weight.trimmed().isEmpty() || hours.trimmed().isEmpty())
        return false;
    const int level = TaetigkeitGroup->itemIndex();
    if (level >= 0)
        TaetigkeitGroup->setToolTip(activityHint(level));
    const auto v = computeEnergy(weight, GeschlechtGroup->itemIndex(), level, hours, m_run.sportEnergy());
    if (!v)
        return false;
    GULabel->setText(QString::number(v->basal));
    AULabel->setText(QString::number(v->activity));
    GesamtLabel->setText(QString::number(v->total));
    m_run.setCalculatorTotal(Fixed4::fromDouble(double(v->total)));
    if (!SumKcalCheckBox->isChecked())
        return false;
    if (m_host.recalcAnalyse)
        m_host.recalcAnalyse();
    return true;
}

void EnergyPage::clearTotal()
{
    GULabel->clear();
    AULabel->clear();
    GesamtLabel->clear();
    m_run.setCalculatorTotal(Fixed4());
}

void EnergyPage::SumKcalCheckBoxClick()
{
    m_run.setUseCalculatorTotal(SumKcalCheckBox->isChecked());
    if (!GewichtEditChange() && m_host.recalcAnalyse)
        m_host.recalcAnalyse();
}

void EnergyPage::SportBtnClick()
{
    const QString copy = m_run.sportList();
    const int weight = parseInt(GewichtEdit->maskText().trimmed());
    TSportForm dlg(m_db, m_run.sportList(), weight, window());
    if (dlg.exec() == QDialog::Accepted) {
        m_run.setSportList(dlg.sportListText());
        m_run.setSportEnergy(dlg.sportEnergy());
        GewichtEditChange();
    } else {
        m_run.setSportList(copy);
    }
}

void EnergyPage::ReduktionBtnClick()
{
    const QString weight = GewichtEdit->maskText();
    const int whole = parseInt(weight.trimmed());
    TReduktionForm dlg(weight, whole - 5, window());
    dlg.exec();
}

store::UserSettings EnergyPage::settings() const
{
    store::UserSettings s;
    s.weightText = GewichtEdit->maskText();
    s.sex = GeschlechtGroup->itemIndex();
    s.activity = TaetigkeitGroup->itemIndex();
    s.hoursText = StundenEdit->maskText();
    s.sumKcal = SumKcalCheckBox->isChecked();
    return s;
}

void EnergyPage::showSettings(const store::UserSettings &s)
{
    const QSignalBlocker b1(GewichtEdit);
    const QSignalBlocker b2(GeschlechtGroup);
    const QSignalBlocker b3(TaetigkeitGroup);
    const QSignalBlocker b4(StundenEdit);
    const QSignalBlocker b5(SumKcalCheckBox);
    GewichtEdit->setMaskText(s.weightText);
    GeschlechtGroup->setItemIndex(s.sex);
    TaetigkeitGroup->setItemIndex(s.activity);
    StundenEdit->setMaskText(s.hoursText);
    SumKcalCheckBox->setChecked(s.sumKcal);
    m_run.setUseCalculatorTotal(s.sumKcal);
}

} // namespace torval::energy
