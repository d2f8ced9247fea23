// Compiling a project with full tables: 2000 BACnet objects, every IEC 61850 variable row,
// every known certificate row, TLS key and certificates.
#include "core/UComon.h"
#include "core/USaveBincc.h"
#include "platform/XmlDoc.h"
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>
#include <stdexcept>

namespace {

QString Pem(int lines, QChar fill)
{
    QString text = QStringLiteral("-----BEGIN CERTIFICATE-----\n");
    for (int i = 0; i < lines; ++i)
        text += QString(64, fill) + QLatin1Char('\n');
    return text + QStringLiteral("-----END CERTIFICATE-----");
}

void Save(XmlWriter& w, const QString& path)
{
    if (!w.Save(path, QStringLiteral("SW_VERSION = 1.001")))
        throw std::runtime_error("cannot write the project");
}

void Write_Project(const QString& dir)
{
    Project_Dir = dir;
    Set_Project_File_Paths(dir);

    XmlWriter par(QStringLiteral("Par_Gen"));
    par.TextElement(QStringLiteral("TLS_Server_Enable"), QStringLiteral("1"));
    par.TextElement(QStringLiteral("TLS_Server_Enable_Known_Cert"), QStringLiteral("1"));
    par.TextElement(QStringLiteral("TLS_Server_Key"), Pem(25, QLatin1Char('k')));
    par.TextElement(QStringLiteral("TLS_Server_Key_Password"), QStringLiteral("password"));
    par.TextElement(QStringLiteral("TLS_Server_Server_Certificate"), Pem(20, QLatin1Char('s')));
    par.TextElement(QStringLiteral("TLS_Server_Root_Certificate"), Pem(20, QLatin1Char('r')));
    par.TextElement(QStringLiteral("NTP_Server_URL"), QStringLiteral("pool.ntp.org"));
    Save(par, File_ParGen);

    const QStringList kinds = {QStringLiteral("Analog Input"), QStringLiteral("Analog Value"), QStringLiteral("Binary Input"),
                               QStringLiteral("Multi State Value"), QStringLiteral("Octet String")};
    XmlWriter objects(QStringLiteral("BACnet_to_Modbus"));
    for (const QString& section : {QStringLiteral("BACnet_in_Read"), QStringLiteral("BACnet_in_Write")}) {
        objects.StartElement(section);
        for (int i = 0; i < 1000; ++i) {
            objects.StartElement(QStringLiteral("row"));
            objects.Attribute(QStringLiteral("Data_Type"), kinds[i % kinds.size()]);
            objects.Attribute(QStringLiteral("Eng_Unit"), QStringLiteral("95"));
            objects.Attribute(QStringLiteral("Position"), QString::number(i % 1440));
            objects.Attribute(QStringLiteral("Bit"), QString::number(i % 8));
            objects.Attribute(QStringLiteral("Length"), QStringLiteral("2"));
            objects.Attribute(QStringLiteral("Swap"), QStringLiteral("N"));
            objects.Attribute(QStringLiteral("Mnemonic"), QStringLiteral("Object %1 of the plant").arg(i));
            objects.EndElement();
        }
        objects.EndElement();
    }
    Save(objects, File_BACnet_Slave_SetAccess);

    XmlWriter vars(QStringLiteral("IEC61850_Variables"));
    for (int i = 0; i < 50; ++i) {
        vars.StartElement(QStringLiteral("row"));
        for (const auto& [name, value] : {std::pair{"Enable", QStringLiteral("Y")}, std::pair{"Name", QStringLiteral("LD0/GGIO1.AnIn%1.mag.f").arg(i)},
                                          std::pair{"Type", QStringLiteral("Float")}, std::pair{"Length", QStringLiteral("4")},
                                          std::pair{"ReadOnly", QStringLiteral("N")}, std::pair{"Position", QString::number(4 * i)},
                                          std::pair{"StartBit", QStringLiteral("0")}, std::pair{"Conversion", QStringLiteral("Int to Float")},
                                          std::pair{"MultiplicationFactor", QStringLiteral("0,1")}, std::pair{"Swap", QStringLiteral("N")},
                                          std::pair{"SwapWord", QStringLiteral("Y")}, std::pair{"Mnemonic", QString()}})
            vars.Attribute(QLatin1String(name), value);
        vars.EndElement();
    }
    Save(vars, File_IEC61850_Variables);

    XmlWriter certs(QStringLiteral("TLS_Server_Known_Cert"));
    for (int i = 0; i < 10; ++i) {
        certs.StartElement(QStringLiteral("row"));
        certs.Attribute(QStringLiteral("Enable"), QStringLiteral("Y"));
        certs.Attribute(QStringLiteral("Certificate"), Pem(20, QLatin1Char('a' + i)));
        certs.Attribute(QStringLiteral("Mnemonic"), QStringLiteral("client %1").arg(i));
        certs.EndElement();
    }
    Save(certs, File_TLS_Known_Cert);
}

void BM_Compile(benchmark::State& state)
{
    QTemporaryDir dir;
    Write_Project(dir.path());
    for (auto _ : state)
        if (!Compile_Bincc())
            state.SkipWithError("compile failed");
}
BENCHMARK(BM_Compile)->Unit(benchmark::kMillisecond);

void BM_CompileAndSave(benchmark::State& state)
{
    QTemporaryDir dir;
    Write_Project(dir.path());
    for (auto _ : state)
        if (!Compile_Bincc() || !Save_Bincc())
            state.SkipWithError("compile or save failed");
}
BENCHMARK(BM_CompileAndSave)->Unit(benchmark::kMillisecond);

// The floor: one bare streaming pass over the same four files, reading each whole first.
void BM_StreamPass(benchmark::State& state)
{
    QTemporaryDir dir;
    Write_Project(dir.path());
    for (auto _ : state) {
        qint64 tokens = 0;
        for (const QString* path : {&File_ParGen, &File_BACnet_Slave_SetAccess, &File_IEC61850_Variables, &File_TLS_Known_Cert}) {
            QFile file(*path);
            if (!file.open(QIODevice::ReadOnly))
                state.SkipWithError("cannot read the project");
            QXmlStreamReader reader(file.readAll());
            while (!reader.atEnd()) {
                reader.readNext();
                if (reader.isStartElement())
                    tokens += reader.attributes().size();
            }
        }
        benchmark::DoNotOptimize(tokens);
    }
}
BENCHMARK(BM_StreamPass)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
