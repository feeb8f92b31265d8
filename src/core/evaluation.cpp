#include "evaluation.h"
#include "error.h"
#include "numfmt.h"

namespace torval {

namespace {

QStringList sentences(std::initializer_list<const char16_t *> list)
{
    QStringList out;
    for (const char16_t *s : list)
        out << QString::fromUtf16(s);
    return out;
}

std::array<EvaluationRule, kEvaluationRuleCount> makeRules()
{
    // The sentences are written as they stand, doubled blanks included.
    return {{
        {u"Energie",
         u"ENERGIE:",
         75,
         140,
         false,
         {sentences(
              {u"Die Energieaufnahme dieses Tages fiel zu gering aus. Im Rahmen einer Reduktionsdiät ist das über einen gewissen Zeitraum kein Problem, wenn die Vitamine, Mineralien in ausreichender Menge zugeführt werden.",
               u"Beachten Sie bei sportlicher Betätigung bitte auch eine ausreichende Eiweißzufuhr, um nicht übermäßig Muskelmasse zu verlieren, da der Körper sonst auch leistungsmäßig abbauen wird."}),
          sentences(
              {u"Die Energieaufnahme dieses Tages liegt in einem vernünftigen Rahmen. Beachten Sie bitte, dass Sie bei erhöhter geistiger und körperlicher Belastung eventuell auch mehr Energie benötigen könnten."}),
          sentences(
              {u"Sie haben für diesen Tag zu viel Energie aufgenommen. Auf Dauer führt das zur Bildung von Fettdepots im Körper, die wiederum für lange Zeit Energie spenden könnten.",
               u"Lassen Sie bitte solche Tage nicht zur Gewohnheit werden, um ein ungesundes Übergewicht zu vermeiden.",
               u"Eine überhöhte Energiezufuhr ist oft auch mit erhöhten Werten von Fett und Cholesterin verbunden und führt somit zu weiteren Problemen (Herz- und Kreislauf)."})}},
        {u"Wasser",
         u"WASSER:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben zu wenig Wasser aufgenommen. Das kann zu trockener Haut, beschädigten Schleimhäuten und zur Vergiftung von Organen führen."}),
          sentences({u"Sie haben genügend Wasser aufgenommen. Somit ist ein geregelter Stoffwechsel gewährleistet."}),
          sentences({u"Sie haben viel Wasser aufgenommen. Eine Überdosis ist nicht problematisch."})}},
        {u"Eiweiß",
         u"EIWEISS:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben zu wenig Eiweiß zu sich genommen. Das kann zu einer geringen körperlichen und geistigen Leistungsfähigkeit führen. Im Wachstum könnten ersthafte Probleme entstehen. Außerdem könnte eine Abwehrschwäche eintreten.",
               u"Essen Sie mehr Fleisch, Milchprodukte, Samen und Körner!"}),
          sentences(
              {u"Sie haben genügend Eiweiß aufgenommen. Somit ist die körperliche und geistige Leistungsfähigkeit gesichert. Sollten Sie allerdings schwere körperliche Tätigkeiten ausüben (z.B. Leistungssport), dann benötigen Sie mehr Eiweiß als normal."}),
          sentences(
              {u"Sie haben zu viel Eiweiß zu sich genommen. Das kann für Leistungssportler normal sein. Überschüssiges Eiweiß wird allerdings verstoffwechselt und kann höchstens in sehr großen Mengen in Form von Harnstoff zu Nierenschäden führen."})}},
        {u"Fett",
         u"FETT:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben zu wenig Fett aufgenommen. Das ist an und für sich nicht problematisch, wenn dennoch genügend mehrfach ungesättigte Fettsäuren vorhanden sind.",
               u"Anderenfalls gibt es auf Dauer Probleme mit der Haut (Kinder) und mit dem Herz- Kreislaufsystem (Erwachsene)."}),
          sentences({u"Die Aufnahme an Fett ist für einen Tag ausreichend. Somit können Vitamine transportiert werden und Energie bereitgestellt werden."}), sentences({u"Sie haben zu viel Fett aufgenommen. Das führt mit Sicherheit auf Dauer zu Übergewicht, Arteriosklerose, Herz- und Kreislaufbeschwerden und ist immer mit einem zu hohen Cholesterinwert verbunden.", u"Versuchen Sie Ihre Fettaufnahme auf pflanzliche Fette zu beschränken und schneiden Sie Fett aus Wurst und Fleisch weg. Essen Sie auch lieber einmal Fisch anstatt Fleisch und Wurst."})}},
        {u"Kohlenhydrate",
         u"KOHLENHYDRATE:",
         75,
         140,
         false,
         {sentences(
              {u"Die Aufnahme von Kohlenhydraten für diesen Tag war zu gering. Im Rahmen von Reduktionsdiäten kann das über kurze Zeit sinnvoll sein. Allerdings achten Sie dann auf die ausreichende Zufuhr von Vitaminen, Eiweiß und Mineralien.",
               u"Eine Unterdosierung führt allerdings schnell zu Unterzuckern im Blut und damit zu Muskelzittern, Schweißausbrüchen, Hungergefühl und Appetit auf Süßigkeiten."}),
          sentences(
              {u"Sie haben ausreichend Kohlenhydrate zu sich genommen und liefern damit Körper und Gehirn genügend Energie."}),
          sentences(
              {u"Sie haben zu viele Kohlenhydrate zu sich genommen. Das kann sinnvoll sein, wenn Sie die völlig leeren Glykogenspeicher (z.B. in der Leber) wieder auffüllen müssen. Allerdings führt ein Zuviel auf Dauer zum Umwandeln von Zucker in Fett."})}},
        {u"Unges. Fettsäuren", u"UNGESÄTTIGTE FETTSÄUREN:", 75, 150, false, {sentences({u"Die Aufnahme an ungesättigten Fettsäuren war sehr gering. Der Körper braucht allerdings 1/3 gesättigte, 1/3 ungesättigte und 1/3 mehrfach ungesättigte Fettsäuren, die er nicht selber bilden kann.", u"Bei dauerndem Mangel gibt es Probleme mit der Haut (Kinder) und mit dem Herz- Kreislaufsystem (Erwachsene).", u"Nutzen Sie mehr pflanzliche Öle."}), sentences({u"Sie haben genügend ungesättigte Fettsäuren aufgenommen und somit einen guten Energiestoffwechsel. Außerdem können somit fettlösliche Vitamine transportiert werden."}), sentences({u"Sie haben viele ungesättigten Fettsäuren aufgenommen. Falls Sie auch zu viel Fett gegessen haben, neigen Sie auf Dauer zu einem zu hohen Cholesterinspiegel, zu Übergewicht oder Herz- und Kreislaufbeschwerden."})}},
        {u"Cholesterin",
         u"CHOLESTERIN:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben zu wenig Cholesterin aufgenommen. Somit könnten langfristig Hormonstörungen und ein Mangel an Gallensäure entstehen. Allerdings bildet der Körper einen gewissen Anteil an Cholesterin selbständig."}),
          sentences(
              {u"Sie haben genügend Cholesterin aufgenommen und somit vorgesorgt für eine ausreichende Bildung von Hormonen, Gallensäuren, Vitamin D, Nervengewebe und Zellwänden.",
               u"Außerdem sorgen Sie mit Ihrer gesunden Menge an Cholesterin eher zu einem Abbau von \"schlechtem\" LDL-Cholesterin."}),
          sentences(
              {u"Sie haben zu viel Cholesterin aufgenommen. Das kann langfristig zu Arteriosklerose, Übergewicht und Herzinfarkt führen.",
               u"Verzehren Sie lieber nicht zu viel und nehmen Sie etwas Olivenöl, Knoblauch und Ballaststoffe zu sich, da das den Cholesterinspiegel senken kann."})}},
        {u"Alkohol",
         u"ALKOHOL:",
         100,
         200,
         true,
         {sentences({u"Sie haben keine schädliche Menge an Alkohol zu sich genommen."}),
          sentences(
              {u"Sie haben Alkohol in einer noch nicht kritischen Menge zu sich genommen. Sie sollten aber den Konsum von Alkohol nicht erhöhen. Viele Mineralien und Vitamine werden mit Alkohol beschränkt vom Körper aufgenommen."}),
          sentences(
              {u"Sie haben bereits eine Menge an Alkohol zu sich genommen, die auf Dauer schädigend wirken kann. Dabei besteht die Gefahr von Vergiftung, von Organschäden, emotionalen Schwankungen und von Abhängigkeit."})}},
        {u"Harnsäure",
         u"HARNSÄURE:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben zu wenig Harnsäure aufgenommen. Das ist eigentlich nicht vorstellbar, da in fast allen Nahrungsmitteln Purine enthalten sind, die zu Harnsäure abgebaut werden. Wahrscheinlich haben Sie insgesamt zu wenig Nahrung aufgenommen."}),
          sentences({u"Sie haben ausreichend Purine aufgenommen, die als Harnsäure Bestandteil der Zellkerne bilden."}),
          sentences({u"Sie haben viel Harnsäure aufgenommen. Das kann daran liegen, dass Sie insgesamt zu viel Nahrung aufgenommen haben. Auf Dauer führt eine Überdosierung zu Nierenproblemen und Gicht (Kristallbildung in Gelenken, Haut und Nieren)."})}},
        {u"Tierisches Eiweiß",
         u"TIERISCHES EIWEISS:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben wenig tierisches Eiweiß zu sich genommen. Das führt erst dann zu einem Problem, wenn Sie insgesamt zu wenig Eiweiß aufgenommen haben. Dann kann es zu gestörter geistiger und körperlicher Leistungsfähigkeit und zu gestörtem Wachstum kommen."}),
          sentences({u"Sie haben in einem ordentlichen Rahmen tierisches Eiweiß aufgenommen."}),
          sentences(
              {u"Die Aufnahme von tierischem Eiweiß liegt auf einem hohen Niveau. Das kann im Einzelfall zu erhöhten Cholesterin-Werten führen. Ansonsten wird der Überschuss verstoffwechselt und kann nur in sehr großen Mengen auf Dauer zu Nierenschäden führen."})}},
        {u"Ballaststoffe",
         u"BALLASTSTOFFE:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben zu wenig Ballaststoffe zu sich genommen. Das könnte zu Darmkrebs, Verdauungsproblemen, zu hohem Cholesterinwert und Übergewicht führen.",
               u"Säuglinge und Kleinkinder benötigen eigentlich keine Ballaststoffe."}),
          sentences(
              {u"Sie haben genügend Ballaststoffe zu sich genommen. Damit ist eine vernüftige Darmtätigkeit gewährleistet."}),
          sentences(
              {u"Sie haben eine hohe Menge an Ballaststoffen zu sich genommen. Damit kann es dann Probleme geben, wenn Sie zu wenig Flüssigkeit zu sich nehmen."})}},
        {u"Natrium",
         u"NATRIUM:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben zu wenig Natrium aufgenommen. Das kann langfristig zu Krämpfen und Kopfschmerzen führen."}),
          sentences(
              {u"Sie haben ausreichend Natrium aufgenommen. Somit ist u.a. der Nährstofftransport und die Zellspannung im Körper gewährleistet."}),
          sentences(
              {u"Sie haben viel Natrium aufgenommen. Wenn Sie außerdem noch wenig getrunken haben, dann kann das zu Austrocknung, zu Atem- und Herzstörungen führen."})}},
        {u"Kalium",
         u"KALIUM:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben für einen Tag nicht ausreichend Kalium zu sich genommen. Das tritt eigentlich selten auf. Wahrscheinlich haben Sie zu wenig oder völlig einseitig Nahrung aufgenommen.",
               u"Auf Dauer kann das zu Durchfall, Erbrechen, Muskelschwäche, Herz-Kreislauf-Beschwerden, Verstopfung und Blutdruckabfall führen."}),
          sentences(
              {u"Für diesen Tag haben Sie ausreichend Kalium aufgenommen. Die Arbeit des Herz- Kreislaufsystems und die Bildung von Enzymen ist somit gewährleistet."}),
          sentences(
              {u"Es konnte eine zu hohe Aufnahme von Kalium festgestellt werden. Wenn Sie ein Bluthochdruckpatient sind, dann kann das gewollt sein.",
               u"Allerdings könnte auf Dauer die Niere Schäden nehmen, die Herz- und Nerventätigkeit könnte gestört werden und es könnte zu Ohrensausen, Verwirrtheit und Halluzinationen führen."})}},
        {u"Magnesium", u"MAGNESIUM:", 75, 140, false, {sentences({u"Für diesen Tag haben Sie zu wenig Magnesium aufgenommen.", u"Das führt auf Dauer zu Krämpfen, Konzentrationsschwächen, Gereiztheit, nervösem Muskelzucken, -zittern, Herzjagen, Nierenstörungen, Lebererkrankung und Gewichtabnahme.", u"Essen Sie mehr Rohkost und wenig Fett."}), sentences({u"Für diesen Tag haben Sie ausreichend Magnesium aufgenommen. Somit ist die Enzymbildung und die Funktion von Muskulatur und Nährstofftransport gewährleistet."}), sentences({u"Sie haben viel Magnesium aufgenommen. Eine Überdosis wird einfach ausgeschieden und kann nur im schlimmsten Fall zu Durchfall führen."})}},
        {u"Calcium",
         u"CALCIUM:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben zu wenig Kalzium aufgenommen.",
               u"Damit entsteht auf Dauer die Gefahr, Haare zu verlieren, Knochen und Fingernägel könnten schneller brechen und die Nerventätigkeit könnte beeinträchtigt sein (Muskelzucken usw.)."}),
          sentences(
              {u"Sie haben genügend Kalzium aufgenommen. Damit sind Knochen, Fingernägel, Haare und Nerven geschützt."}),
          sentences(
              {u"Sie haben sehr viel Kalzium aufgenommen. Dabei besteht allerdings erst dann eine Gefahr, wenn Sie an Stoffwechselerkrankungen leiden."})}},
        {u"Phosphor",
         u"PHOSPHOR:",
         75,
         140,
         false,
         {sentences({u"Sie haben wenig Phosphor aufgenommen. Das ist sehr selten, da in fast allen Nahrungsmitteln Phosphor enthalten ist. Wahrscheinlich haben Sie einfach zu wenig oder völlig einseitige Nahrung aufgenommen.", u"Auf Dauer könnte das zu  Nierenerkrankungen, Knochenverformungen, Wachstumsstörungen, Muskel- und Herzschwäche führen."}), sentences({u"Sie haben ausreichend Phosphor aufgenommen. Somit kann der Körper Knochen und Zähne gesund erhalten sowie Energiestoffwechselvorgänge störungsfrei durchführen."}),
          sentences(
              {u"Ihre Phosphoraufnahme ist sehr hoch. Mehr als 4 g täglich könnten zu Problemen führen: Nierenverkalkung, verminderte Calciumaufnahme."})}},
        {u"Eisen",
         u"EISEN:",
         75,
         140,
         false,
         {sentences(
              {u"Ihre Aufnahme an Eisen war für diesen Tag zu gering. Ihre Ernährung ist zu einseitig. Probleme könnten sich bei Blutverlust noch verschärfen. Langfristig könnten Blutarmut, Erschöpfung, Haarausfall, Blässe und Krankheitsanfälligkeit entstehen.",
               u"Nehmen Sie dunkles Fleisch zu sich. Vegetarier müssen zusätzlich unbedingt auf Ihre Vitamin C - Aufnahme achten, da pflanzliches Eisen schwieriger verwertbar ist. Trinken Sie nicht zu viel Kaffee und Tee, da das die Eisenaufnahme verschlechtert."}),
          sentences({u"Sie haben genügend Eisen zu sich genommen. Damit ist ihre Blutproduktion, Energiegewinnung und der Nährstofftransport gesichert. Trinken Sie aber nicht zu viel Kaffee und Tee, da das die Eisenaufnahme verschlechtert.",
                     u"Vegetarier müssen zusätzlich unbedingt auf Ihre Vitamin C - Aufnahme achten, da pflanzliches Eisen schwieriger verwertbar ist."}),
          sentences(
              {u"Sie haben sehr viel Eisen zu sich genommen. Auf Dauer kann das zu Organschäden an der Leber führen."})}},
        {u"Zink",
         u"ZINK:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben zu wenig Zink aufgenommen. Das tritt sehr häufig auf. Das könnte zu einer gestörten Wundheilung, Sehstörung, Hauterkrankung und Haarausfall, Minderwuchs und fehlendem Sexualtrieb führen.",
               u"Essen Sie mehr Vollkornprodukte, Meeresfrüchte und Gemüse."}),
          sentences(
              {u"Sie haben ausreichend Zink aufgenommen. Somit ist Enzymbildung, Kohlenhydrat- und Eiweißstoffwechsel, Insulinproduktion, Immunsystemstärkung, Zellmembranstärkung und Fruchtbarkeit des Mannes gesichert."}),
          sentences(
              {u"Sie haben viel Zink aufgenommen. Das könnte langfristig zu Vergiftungserscheinungen, Magen- und Darmstörungen, Muskelkoordinationsproblemen, Nierenversagen und Blutarmut führen. Benutzen Sie auch keine Gefäße aus Zink, um Nahrungsmittel aufzubewahren."})}},
        {u"Vitamin A",
         u"VITAMIN A:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben wenig Vitamin A aufgenommen. Das kann auf Dauer zu schlechten Schleimhäuten und damit zu Seh-, Geruchs- und Hörstörungen führen.",
               u"Essen Sie mehr Leber, Fisch, Gemüse oder Karotten."}),
          sentences(
              {u"Sie haben ausreichend Vitamin A aufgenommen und somit gute Voraussetzungen für gesunde Schleimhäute, gutes Seh- und Hörvermögen."}),
          sentences(
              {u"Sie haben viel Vitamin A aufgenommen. Wenn Sie schwanger sind, lange am Bildschirm arbeiten, häufig krank sind oder nachts arbeiten, dann ist ein Mehrbedarf vorstellbar.",
               u"Ansonsten kann es auf Dauer zu Kopfschmerzen, Erbrechen, Durstgefühl, Haarausfall und Embryomissbildung bei Schwangeren führen. Essen Sie lieber Carotin-haltige Speisen. Daraus produziert der Körper nur so viel Vitamin A, wie er auch benötigt."})}},
        {u"Carotin",
         u"CAROTIN:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben zu wenig Carotin zu sich genommen. Das ist nicht weiter schlimm, wenn dennoch genügend Vitamin A aufgenommen wurde.",
               u"Anderenfalls könnten langfristig Probleme mit den Schleimhäuten und damit auch mit der Sehfähigkeit, mit der Abwehrkraft und dem Geruchsvermögen auftreten."}),
          sentences(
              {u"Sie haben genügend Carotin zu sich genommen. Ihr Körper kann genügend Vitamin A und damit ausreichend Schleimhäute bilden."}),
          sentences(
              {u"Sie haben viel Carotin zu sich genommen. Das ist allerdings kein Problem, da der Körper nur so viel Vitamin A daraus produziert, wie er tatsächlich benötigt. Über längere Zeit könnte Ihre Haut eine unschädliche rot-bräunliche Färbung bekommen."})}},
        {u"Vitamin E", u"VITAMIN E:", 75, 140, false, {sentences({u"Sie haben an diesem Tag wenig Vitamin E aufgenommen. Das kann auf Dauer zu Muskelabbau, Störung des Nervensystems, Hautschäden, Herzbeschwerden und Blutarmut und zur Zerstörung roter Blutkörperchen bei Frühgeborenen führen.", u"Essen Sie mehr pflanzliche Öle."}), sentences({u"Sie haben ausreichend Vitamin E zu sich genommen. Damit ist die Wirkung als Antioxidan gesichert. Außerdem dient es dem Arterienschutz, der Krebs- und Herzproblemvorsorge und schützt Vitamine vor der Zerstörung durch Sauerstoff.", u"Raucher, durch Umweltgifte belastete Menschen, Herz-Kreislauf-Erkrankte, Stressgeplagte und Abführmittelpatienten brauchen mehr Vitamin E als andere."}), sentences({u"Sie haben viel Vitamin E aufgenommen. Eine Überdosis von mehr als 300 mg sollte nur nach ärztlicher Anweisung aufgenommen werden."})}},
        {u"Folsäure",
         u"FOLSÄURE:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben zu wenig Folsäure aufgenommen. Das kann besonders bei einer Schwangerschaft zu Problemen führen (Zellbildung und embryonale Entwicklung beeinschränkt). Bei Erwachsenen könnten Probleme mit den Organen entstehen.",
               u"Essen Sie bitte mehr Innereien, Gemüse und Fisch!"}),
          sentences(
              {u"Ihre Tagesaufnahme von Folsäure war ausreichend. Somit sind Probleme mit der Zellbildung von Organen (eigenen oder des Kindes bei Schwangeren) nicht gegeben."}),
          sentences(
              {u"Sie haben viel Folsäure aufgenommen. Eine Überdosis ist allerdings erst bei Tablettenzufuhr möglich."})}},
        {u"Vitamin B1", u"VITAMIN B1:", 75, 140, false, {sentences({u"Ihre Aufnahme von Vitamin B1 war zu gering. Auf Dauer kann das zu Müdigkeit, Gereiztheit, Konzentrationsschwäche, Herzschwäche, Muskelschwäche, Lähmung und Nervenentzündung führen."}), sentences({u"Ihre Aufnahme von Vitamin B1 war ausreichend. Somit ist der Energiestoffwechsel und -transport gewährleistet. Trinken Sie aber nicht zu viel Alkohol, Tee und Kaffe, da dass dieses Vitamin zerstört. Leistungssportler benötigen mehr Vitamin B1."}), sentences({u"Ihre Aufnahme von Vitamin B1 war hoch. Wenn Sie hohe körperliche Leistungen erbringen, ist ein Mehrbedarf gerechtfertigt. Außerdem ist nur durch intravenöse Injektionen eine Gefahr vorstellbar."})}},
        {u"Vitamin B2",
         u"VITAMIN B2:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben für diesen Tag zu wenig Vitamin B2 aufgenommen. Das führt langfristig zu einem  Eisenmangel und zu Müdigkeit, Reizbarkeit, Hauterkrankungen (Einreißen der Mundwinkel, Dermatitis, Schleimhautentzündung), grauem Star und zu Erblindung.",
               u"Nehmen Sie mehr Milch- und Vollkornprodukte zu sich!"}),
          sentences(
              {u"Sie haben ausreichend Vitamin B2 aufgenommen. Somit ist die Unterstützung des Energiestoffwechsels (als Bestandteil von Enzymen), der Schutz roter Blutkörperchen, Wachstum und Heilung der Haut gesichert.",
               u"Sollten Sie eine Frau sein und mit der Pille verhüten, dann ist aber ein Mehrbedarf gerechtfertigt. Ebenso benötigen Patienten mit Antidepressiva und Darmerkrankte mehr Vitamin B2."}),
          sentences(
              {u"Sie haben zwar viel Vitamin B2 aufgenommen aber Probleme mit Überdosierungen sind nicht bekannt. Somit ist die Unterstützung des Energiestoffwechsels (als Bestandteil von Enzymen), der Schutz roter Blutkörperchen, Wachstum und Heilung der Haut gesichert."})}},
        {u"Vitamin B6",
         u"VITAMIN B6:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben zu wenig Vitamin B6 aufgenommen. Das führt auf Dauer zu Hauterkrankungen, Immunschwäche und Eisenmangel; Krämpfe von Neugeborenen.",
               u"Essen Sie mehr Milchprodukte und Fleisch!"}),
          sentences(
              {u"Sie haben ausreichend Vitamin B6 aufgenommen. Somit ist die Stoffwechselunterstützung, Eiweißbildung, Immunabwehr und Blutbildung gesichert.",
               u"Wenn Sie Medikamente (z.B. Verhütungspille) einnehmen, Alkohol trinken oder am Darm erkrankt sind, dann benötigen Sie mehr Vitamin B6."}),
          sentences(
              {u"Sie haben viel Vitamin B6 aufgenommen. Wenn Sie auf Dauer 500 mg überschreiten, dann führt das zu neurologischen Problemen (Tast- und Temperatursinn, Bewegungsfähigkeit).", u"Wenn Sie Medikamente (z.B. Verhütungspille) einnehmen, Alkohol trinken oder am Darm erkrankt sind, dann benötigen Sie mehr Vitamin B6."})}},
        {u"Vitamin C",
         u"VITAMIN C:",
         75,
         140,
         false,
         {sentences(
              {u"Sie haben sehr wenig Vitamin C aufgenommen. Das kann auf Dauer zu häufiger auftretenden Erkältungen, eingeschränkter Schleimhautfunktionalität, verzögerter Wundheilung und Müdigkeit, Skorbut (Blutgefäßbrüchigkeit und Zahnausfall) führen.",
               u"Essen Sie mehr Gemüse und Obst!"}),
          sentences(
              {u"Sie haben ausreichend Vitamin C aufgenommen. Damit ist die Stärkung des Immunsystems, Entgiftung des Körpers, Schleimhautfunktionalität,  Eisenstoffwechsel gesichert.",
               u"Das Vitamin liefert außerdem Schutz vor freien Radikalen und verhindert Krebs erregendes Nitrosamin.",
               u"Schwangere, Stillende, Raucher, verhütende Frauen (Pille), Stessgeplagte und Alkoholiker benötigen allerdings mehr Vitamin C."}),
          sentences(
              {u"Sie haben viel Vitamin C aufgenommen. Erst die sehr starke Dosis von mehr als 5 g (5000 mg) von Vitamin C führt zu Harnsteinbildung und Durchfall."})}},
    }};
}

} // namespace

const std::array<EvaluationRule, kEvaluationRuleCount> &evaluationRules()
{
    static const std::array<EvaluationRule, kEvaluationRuleCount> rules = makeRules();
    return rules;
}

int evaluationBand(const EvaluationRule &rule, double percent)
{
    if (rule.lowInclusive ? percent <= rule.low : percent < rule.low)
        return 0;
    if (percent > rule.high)
        return 2;
    return 1;
}

double resultLinePercent(const QString &resultLine)
{
    qsizetype pos = 0;
    for (int i = 0; i < 4; ++i) {
        const qsizetype sep = resultLine.indexOf(u';', pos);
        if (sep < 0) {
            pos = resultLine.size();
            break;
        }
        pos = sep + 1;
    }
    const qsizetype mark = resultLine.indexOf(u'%', pos);
    const QString text = resultLine.mid(pos, mark < 0 ? -1 : mark - pos);
    return parseFloat(text);
}

QStringList evaluationLines(const QStringList &resultLines)
{
    QStringList out;
    const auto &rules = evaluationRules();
    for (const QString &line : resultLines) {
        const QString name = line.section(u';', 0, 0);
        const EvaluationRule *rule = nullptr;
        for (const EvaluationRule &r : rules)
            if (name == QStringView(r.lineName)) {
                rule = &r;
                break;
            }
        if (!rule)
            continue;
        const double percent = resultLinePercent(line);
        out << QString::fromUtf16(rule->heading);
        out << rule->bands.at(std::size_t(evaluationBand(*rule, percent)));
        out << QString();
    }
    return out;
}

QString evaluationFileName()
{
    return QStringLiteral("Auswertg.txt");
}

} // namespace torval
