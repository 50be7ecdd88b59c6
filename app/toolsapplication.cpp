#include "toolsapplication.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QHelpEvent>
#include <QIcon>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTextCodec>
#include <QToolTip>

#include "cfile.h"
#include "configuremanager.h"
#include "guilocale.h"
#include "hintbox.h"
#include "lanaguagemanager.h"
#include "singleinstanceguard.h"
#include "skinloader.h"
#include "startupgeometry.h"
#include "targetpath.h"
#include "textcodec.h"
#include "tooltipreplacement.h"

namespace apt {

namespace {

QFont programFont(const QString &family)
{
    QFont font(family, 9);
    font.setStyleHint(QFont::AnyStyle, QFont::PreferAntialias);
    return font;
}

} // namespace

ToolsApplication::ToolsApplication(const QString &appId, int &argc, char **argv)
    : QApplication(argc, argv), m_instanceGuard(std::make_unique<SingleInstanceGuard>(appId))
{
}

ToolsApplication::~ToolsApplication() = default;

bool ToolsApplication::isRunning()
{
    return m_instanceGuard->isRunning();
}

bool ToolsApplication::init()
{
    ConfigureManager::instance()->load(GetTargetPath() + QStringLiteral("Setup.xml"));

    setFont(programFont(QString::fromUtf8("Microsoft YaHei")));

    loadSkin();
    loadStyle();

    InitGuiTextCodec(QTextCodec::codecForLocale());
    LanaguageManager *languages = LanaguageManager::instance();
    if (languages->language() == 10)
        setFont(programFont(QStringLiteral("Tahoma")));
    else if (languages->language() == 9)
        setFont(programFont(QStringLiteral("Batang")));
    InitGuiLocale(languages->locale());

    if (isRunning()) {
        // Said on the console too: a second start from a terminal or a script learns why it ended.
        qInfo().noquote() << tr("TARN is already running.");
        TarnTool::showHintBox(tr("TARN is already running."), TarnTool::startupHintBoxSize,
                              TarnTool::HintBoxKind::Notice);
        return false;
    }

    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->geometry();
    if (isDisplayLargeEnough(screens)) {
        setWindowIcon(QIcon(QStringLiteral(":/aptui/complex/Images/System/Complex/calculate.png")));
        return true;
    }
    return TarnTool::showHintBox(
        tr("Display resolution less than 1024*768,are you sure to start the program?"),
        TarnTool::startupHintBoxSize, TarnTool::HintBoxKind::Question);
}

void ToolsApplication::loadSkin()
{
    QString skin = ConfigureManager::instance()->getSkin();
    apt::loadSkin(GetTargetPath() + QStringLiteral("plugins/skins/"), skin);
}

void ToolsApplication::loadStyle()
{
    if (QStyle *style = QStyleFactory::create(QStringLiteral("CommonStyle")))
        setStyle(style);
    else
        qDebug() << "[ToolsApplication::loadStyle]The CommonStyle does not exist.";

    const QString folder = QStringLiteral(":/Mirelpro/Qss/Qss/MirelGUIToolkit/");
    QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    files.removeAll(QStringLiteral("MacSpecial.qss"));
    QString sheet = MirelGUIToolkit::CFile::ReadAll(files, folder);
    sheet += MirelGUIToolkit::CFile::ReadAll(QStringLiteral(":/Mirelpro/Qss/Qss/TARNTool/TARNTool.qss"));
    setStyleSheet(sheet);
}

bool ToolsApplication::notify(QObject *receiver, QEvent *event)
{
    // The program keeps its own font whatever the platform announces.
    if (event->type() == QEvent::ApplicationFontChange)
        return true;
    if (event->type() == QEvent::ToolTip) {
        if (const std::optional<QString> text = toolTipReplacement(receiver)) {
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), *text);
            return true;
        }
    }
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // An exception must not cross the event loop; the event counts as not handled.
        return false;
    }
}

} // namespace apt
