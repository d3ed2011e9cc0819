#pragma once
// PDF files as a reader sees them, through the poppler tools.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace prueba {

// What the program writes on its standard output; it must end well.
inline QString Ejecutar(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    EXPECT_TRUE(p.waitForFinished(30000)) << programa.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << programa.toStdString() << " " << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The pages of a PDF; -1 when it is none.
inline int Paginas(const QString& pdf) {
    const QRegularExpression paginas(R"(Pages:\s+(\d+))");
    const auto m = paginas.match(Ejecutar("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of one page, from 1.
inline QString TextoPagina(const QString& pdf, int pagina) {
    return Ejecutar("pdftotext", {"-f", QString::number(pagina), "-l", QString::number(pagina), pdf, "-"});
}

}  // namespace prueba
