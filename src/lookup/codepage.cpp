#include "lookup/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace tervano::lookup {

namespace {

QByteArray nameForWindowsNumber(int number)
{
    switch (number) {
    case 437: case 737: case 850: case 852: case 855: case 857: case 860: case 861: case 862: case 863:
    case 864: case 865: case 866: case 869:
        return "IBM" + QByteArray::number(number);
    case 874: return "windows-874";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 1250: case 1251: case 1252: case 1253: case 1254: case 1255: case 1256: case 1257: case 1258:
        return "windows-" + QByteArray::number(number);
    case 10000: return "macintosh";
    case 10006: return "x-mac-greek";
    case 10007: return "x-mac-cyrillic";
    case 10029: return "x-mac-centraleurope";
    case 65001: return "UTF-8";
    default: return {};
    }
}

bool decodable(const QByteArray& name)
{
    return !name.isEmpty() && QStringDecoder(name.constData()).isValid();
}

} // namespace

QByteArray defaultCodePageName() { return QByteArrayLiteral("windows-1252"); }

QByteArray codePageForLanguageDriver(quint8 ldid)
{
    int number = 0;
    switch (ldid) {
    case 0x01: case 0x09: case 0x0B: case 0x0D: case 0x0F: case 0x11: case 0x15: case 0x18: case 0x19:
    case 0x1B: number = 437; break;
    case 0x02: case 0x0A: case 0x0E: case 0x10: case 0x12: case 0x14: case 0x16: case 0x1A: case 0x1D:
    case 0x25: case 0x37: number = 850; break;
    case 0x03: case 0x57: case 0x58: case 0x59: number = 1252; break;
    case 0x04: number = 10000; break;
    case 0x08: case 0x17: case 0x66: number = 865; break;
    case 0x13: case 0x7B: number = 932; break;
    case 0x1C: case 0x6C: number = 863; break;
    case 0x1F: case 0x22: case 0x23: case 0x40: case 0x64: case 0x87: number = 852; break;
    case 0x24: number = 860; break;
    case 0x26: case 0x65: number = 866; break;
    case 0x4D: case 0x7A: number = 936; break;
    case 0x4E: case 0x79: number = 949; break;
    case 0x4F: case 0x78: number = 950; break;
    case 0x50: case 0x7C: number = 874; break;
    case 0x67: number = 861; break;
    case 0x6A: case 0x86: number = 737; break;
    case 0x6B: case 0x88: number = 857; break;
    case 0x7D: number = 1255; break;
    case 0x7E: number = 1256; break;
    case 0x96: number = 10007; break;
    case 0x97: number = 10029; break;
    case 0x98: number = 10006; break;
    case 0xC8: number = 1250; break;
    case 0xC9: number = 1251; break;
    case 0xCA: number = 1254; break;
    case 0xCB: number = 1253; break;
    case 0xCC: number = 1257; break;
    default: return {};
    }
    return nameForWindowsNumber(number);
}

QByteArray codePageFromCpgText(QByteArrayView text)
{
    QByteArray t = text.trimmed().toByteArray().toUpper();
    for (const char* prefix : {"ANSI ", "OEM ", "CP", "WINDOWS-", "IBM"}) {
        if (t.startsWith(prefix)) {
            t = t.mid(qstrlen(prefix)).trimmed();
            break;
        }
    }
    if (t == "UTF-8" || t == "UTF8")
        return QByteArrayLiteral("UTF-8");
    if (t == "88591" || t == "8859_1" || t == "ISO-8859-1" || t == "ISO88591" || t == "LATIN1")
        return QByteArrayLiteral("ISO-8859-1");
    bool ok = false;
    const int number = t.toInt(&ok);
    if (ok)
        return nameForWindowsNumber(number);
    const QByteArray asIs = text.trimmed().toByteArray();
    return decodable(asIs) ? asIs : QByteArray();
}

CodePage codePageForTable(const QString& tablePath, quint8 languageDriver)
{
    const QFileInfo info(tablePath);
    const QDir dir = info.absoluteDir();
    const QString base = info.completeBaseName();
    for (const QString& extension : {u".cpg"_s, u".CPG"_s, u".Cpg"_s}) {
        QFile cpg(dir.filePath(base + extension));
        if (cpg.open(QIODevice::ReadOnly)) {
            const QByteArray name = codePageFromCpgText(cpg.read(256));
            if (decodable(name))
                return {name, u"cpg"_s};
        }
    }
    const QByteArray fromDriver = codePageForLanguageDriver(languageDriver);
    if (decodable(fromDriver))
        return {fromDriver, u"language driver 0x%1"_s.arg(languageDriver, 2, 16, QLatin1Char('0'))};
    return {defaultCodePageName(), u"default"_s};
}

} // namespace tervano::lookup
