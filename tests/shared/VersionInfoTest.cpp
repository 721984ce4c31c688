#include "shared/ui/BuildNumber.h"
#include "shared/VersionInfo.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {
struct LoaderGuard {
    ~LoaderGuard() { SetVersionResourceLoader(nullptr); }
};
} // namespace

TEST(VersionInfo, OwnProgramTexts)
{
    CVersionInfo info;
    EXPECT_EQ(info.GetPath(), QCoreApplication::applicationFilePath());
    EXPECT_EQ(info.GetProductName(), QStringLiteral("FT-817 Corvane"));
    EXPECT_EQ(info.GetCompanyName(), QStringLiteral("QT9XVK"));
    EXPECT_EQ(info.GetSpecialBuild(), QString());
    const uint32_t build = GetBuildNumber();
    EXPECT_EQ(info.GetVersion(), QStringLiteral("Version %1 build %2").arg(info.GetProductVersion()).arg(build));
    EXPECT_EQ(info.GetShortVersion(), QStringLiteral("FT-817 Corvane %1 build %2").arg(info.GetProductVersion()).arg(build));
    EXPECT_EQ(info.GetLongVersion(), QStringLiteral("FT-817 Corvane version %1 build %2, %3")
                                         .arg(info.GetProductVersion())
                                         .arg(build)
                                         .arg(info.GetLegalCopyright()));
    EXPECT_EQ(info.GetBuildDate(), QStringLiteral("%1 at %2").arg(QLatin1String(BuildDateText()), QLatin1String(BuildTimeText())));
}

TEST(VersionInfo, QueriesTheFirstTranslation)
{
    LoaderGuard guard;
    SetVersionResourceLoader([](const QString& path) -> std::optional<VersionResource> {
        if (path != QStringLiteral("/opt/module.so"))
            return std::nullopt;
        VersionResource r;
        r.AddStrings(0x0409, 0x04B0, {{QStringLiteral("ProductName"), QStringLiteral("Module")},
                                      {QStringLiteral("ProductVersion"), QStringLiteral("2.2")},
                                      {QStringLiteral("SpecialBuild"), QString()}});
        r.AddStrings(0x0407, 0x04E4, {{QStringLiteral("ProductName"), QStringLiteral("Modul")}});
        return r;
    });
    CVersionInfo info(QStringLiteral("/opt/module.so"));
    EXPECT_EQ(info.QueryPath(QStringLiteral("ProductName")), QStringLiteral("\\StringFileInfo\\040904B0\\ProductName"));
    EXPECT_EQ(info.GetProductName(), QStringLiteral("Module"));
    EXPECT_EQ(info.GetSpecialBuild(), QString());
    EXPECT_EQ(info.GetCompanyName(), QString());
    EXPECT_EQ(info.GetVersion(), QStringLiteral("Version 2.2 build %1").arg(GetBuildNumber()));

    CVersionInfo missing(QStringLiteral("/no/such/module"));
    EXPECT_EQ(missing.GetProductName(), QString());
    EXPECT_EQ(missing.GetVersion(), QString());
    EXPECT_EQ(missing.GetShortVersion(), QString());
    EXPECT_EQ(missing.GetLongVersion(), QString());
    EXPECT_FALSE(missing.GetBuildDate().isEmpty());
}
