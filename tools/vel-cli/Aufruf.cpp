#include "Aufruf.h"

#include <QCommandLineParser>
#include <QTextStream>

QString Schalter(const QString& name) {
    return (name.size() == 1 ? "-" : "--") + name;
}

QString Name(const QString& argument) {
    qsizetype anfang = 0;
    while (anfang < argument.size() && argument[anfang] == u'-')
        ++anfang;
    return argument.mid(anfang).section(u'=', 0, 0);
}

QString Geschrieben(const QCommandLineOption& option, const QStringList& argumente) {
    QString gefunden = Schalter(option.names().first());
    for (const QString& a : argumente)
        if (a.startsWith(u'-') && option.names().contains(Name(a))) gefunden = a.section(u'=', 0, 0);
    return gefunden;
}

QString Optionszeilen(const QList<QCommandLineOption>& optionen) {
    QString text;
    for (const QCommandLineOption& o : optionen) {
        QStringList namen;
        for (const QString& n : o.names())
            namen << Schalter(n);
        QString links = namen.join(QStringLiteral(", "));
        if (!o.valueName().isEmpty()) links += ' ' + o.valueName();
        text += QStringLiteral("  %1  %2\n").arg(links, -32).arg(o.description());
    }
    return text;
}

QString Fehlermeldung(const QCommandLineParser& parser, const QStringList& argumente,
                      const QList<QCommandLineOption>& optionen) {
    for (const QString& a : argumente)
        if (a.startsWith(u'-') && parser.unknownOptionNames().contains(Name(a)))
            return "Unbekannte Option: " + a.section(u'=', 0, 0);
    if (!parser.unknownOptionNames().isEmpty())
        return "Unbekannte Option: " + Schalter(parser.unknownOptionNames().first());
    for (const QCommandLineOption& o : optionen) {
        if (!o.valueName().isEmpty() && !argumente.isEmpty() && argumente.last().startsWith(u'-') &&
            o.names().contains(Name(argumente.last())))
            return "Wert fehlt nach " + argumente.last();
        for (const QString& a : argumente)
            if (o.valueName().isEmpty() && a.startsWith(u'-') && a.contains(u'=') &&
                o.names().contains(Name(a)))
                return QStringLiteral("Die Option %1 nimmt keinen Wert: %2").arg(a.section(u'=', 0, 0), a);
    }
    return QString::fromUtf8("Ungültiger Aufruf: ") + argumente.join(u' ');
}

int Zerlegen(QCommandLineParser& parser, const QString& aufruf, const QString& beschreibung,
             QList<QCommandLineOption> optionen, const QStringList& argumente, qsizetype positionale) {
    QTextStream fehler(stderr);
    const QCommandLineOption hilfe({"h", "hilfe", "help"}, "Zeigt diese Hilfe");
    optionen.prepend(hilfe);
    // "-compact" is taken as the option of that name, not as the letters c, o, m, ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(optionen);
    if (!parser.parse(QStringList{QStringLiteral("vel-cli")} + argumente)) {
        fehler << Fehlermeldung(parser, argumente, optionen) << '\n' << aufruf << '\n';
        return 2;
    }
    if (parser.isSet(hilfe)) {
        QTextStream(stdout) << aufruf << "\n\n"
                            << beschreibung << QString::fromUtf8("\n\nOptionen:\n")
                            << Optionszeilen(optionen);
        return 0;
    }
    if (parser.positionalArguments().size() != positionale) {
        fehler << (parser.positionalArguments().size() > positionale
                       ? QStringLiteral("Unerwartetes Argument: ") +
                             parser.positionalArguments().constLast() + u'\n'
                       : QString())
               << aufruf << '\n';
        return 2;
    }
    return -1;
}

QCommandLineOption ElternOption() {
    return {{"eltern", "families"}, QString::fromUtf8("Die Gesprächslisten der Familien")};
}

QCommandLineOption LehrerOption() {
    return {{"lehrer", "teachers"}, QString::fromUtf8("Die Gesprächslisten der Lehrkräfte")};
}

bool ArtUndAusgabeGegeben(const QCommandLineParser& parser, const QCommandLineOption& ausgabe,
                          const QString& aufruf, const QStringList& argumente) {
    const QCommandLineOption eltern = ElternOption();
    const QCommandLineOption lehrer = LehrerOption();
    QString fehler;
    if (parser.isSet(eltern) && parser.isSet(lehrer))
        fehler = QString::fromUtf8("%1 und %2 schließen einander aus.")
                     .arg(Geschrieben(eltern, argumente), Geschrieben(lehrer, argumente));
    else if (!parser.isSet(eltern) && !parser.isSet(lehrer))
        fehler = QStringLiteral("Es fehlt --eltern oder --lehrer.");
    else if (parser.value(ausgabe).isEmpty())
        fehler = QStringLiteral("Es fehlt die Ausgabe: %1 %2")
                     .arg(Geschrieben(ausgabe, argumente), ausgabe.valueName());
    if (fehler.isEmpty()) return true;
    QTextStream(stderr) << fehler << '\n' << aufruf << '\n';
    return false;
}
