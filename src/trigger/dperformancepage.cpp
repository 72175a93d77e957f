#include "dperformancepage.h"

#include "fixedtext.h"

DPerformancePage::DPerformancePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DPerformancePage"));
}

void DPerformancePage::retranslate()
{
    loadPerformanceSettings();
}

void DPerformancePage::applyTheme() {}

void DPerformancePage::loadPerformanceSettings() {}

void DPerformancePage::setProfileXmlPath(const char *path)
{
    fixedtext::copyWhole(m_profileXmlPath, sizeof m_profileXmlPath, path ? std::string_view(path) : "");
}
