#include "ManagementDb.h"

#include "platform/Platform.h"

namespace management {

const std::vector<PresetConfig>& presets() {
    static const std::vector<PresetConfig> list = {
        {QStringLiteral("SEO Profiler"),
         QStringLiteral("found_date,source_url,source_domain,source_tld,destination_url,link_tag,anchor_text,"
                        "link_page_title,link_img_alt,link_title,link_age_days,link_count_internal,"
                        "link_count_external,link_count_ratio,link_position,flag_meta_nofollow,flag_meta_noindex,"
                        "flag_new_window,flag_rel_nofollow,flag_rel_noreferrer,flag_within_noscript")
             .split(QLatin1Char(',')),
         {0, 1, 2, 4, 6, 10, 15, 16, 18, 19}},
        {QStringLiteral("SEO Profiler - Opportunities"),
         QStringLiteral("found_date,source_url,source_domain,source_tld,destination_url,anchor_text,pr,link_rank,"
                        "link_influence_score,link_page_title,flag_meta_nofollow,flag_meta_noindex,"
                        "flag_rel_nofollow,category")
             .split(QLatin1Char(',')),
         {0, 1, 2, 4, 5, -1, 10, 11, 12, -1}},
        {QStringLiteral("Majestic SEO"),
         QStringLiteral("Target URL,Target ACRank,Source URL,Source ACRank,Anchor Text,Source Crawl Date,"
                        "FlagNoFollow,FlagImageLink,FlagRedirect,FlagFrame,FlagOldCrawl,FlagAltText,FlagMention")
             .split(QLatin1Char(',')),
         {5, 2, -1, 0, -1, -1, 6, -1, -1, -1}},
        {QStringLiteral("Vantorel"),
         QStringLiteral("DateLinkFound,SourceURL,SourceDomain,DestinationURL,AnchorText,LinkAge,FlagMetaNoFollow,"
                        "FlagMetaNoIndex,FlagRelNoFollow,FlagRefNoReferrer,Category,Notes,LiveURL,Alexa,Backlinks,"
                        "Reach,Delta,Description,FoundKeyText")
             .split(QLatin1Char(',')),
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    return list;
}

const QStringList& seedCategories() {
    static const QStringList list = {
        QStringLiteral("Unreviewed"),     QStringLiteral("Submitted"),          QStringLiteral("Link LIVE!"),
        QStringLiteral("Return Later"),   QStringLiteral("Site Down"),          QStringLiteral("Abandoned Site"),
        QStringLiteral("Spammy"),         QStringLiteral("Unrelated"),          QStringLiteral("Competitor"),
        QStringLiteral("No User Submission"), QStringLiteral("Hard to get Link"), QStringLiteral("Refused Link"),
        QStringLiteral("Foreign Language"), QStringLiteral("Skip Site")};
    return list;
}

QString identifierOf(const PresetConfig& preset) {
    QStringList quoted;
    for (const QString& f : preset.fields)
        quoted << QLatin1Char('"') + f + QLatin1Char('"');
    return quoted.join(QLatin1Char(','));
}

} // namespace management

bool OpenOrCreateManagementDB(std::unique_ptr<TSQLiteDatabase>& db) {
    auto& ui = platform::Ui::instance();
    const QString path = platform::appDir() + QStringLiteral("management.db");
    db.reset();
    try {
        db = TSQLiteDatabase::OpenDatabase(path);
    } catch (const ESQLiteException& e) {
        ui.warning(QStringLiteral("Error Creating Management Database - please contact tech support.\r\n") +
                   e.message());
        return false;
    }
    try {
        if (!db->HasTable(QStringLiteral("importConfigs"))) {
            db->RunStatement(QStringLiteral(
                "CREATE TABLE importConfigs ([ID] INTEGER PRIMARY KEY,[Name] VARCHAR (255),[Identifier] VARCHAR "
                "(1024),[Col1] Integer, [Col2] Integer, [Col3] Integer, [Col4] Integer, [Col5] Integer, [Col6] "
                "Integer, [Col7] Integer, [Col8] Integer, [Col9] Integer, [Col10] Integer COLLATE NOCASE);"));
            db->RunStatement(QStringLiteral("CREATE INDEX importConfigsName ON [importConfigs]([Name]);"));
            for (const auto& p : management::presets()) {
                SqlParams params{p.name, management::identifierOf(p)};
                for (int c : p.cols)
                    params.emplace_back(c);
                db->RunStatement(QStringLiteral("INSERT INTO importConfigs(Name,Identifier,Col1,Col2,Col3,Col4,Col5,"
                                                "Col6,Col7,Col8,Col9,Col10) VALUES (?,?,?,?,?,?,?,?,?,?,?,?);"),
                                 params);
            }
        }
        if (!db->HasTable(QStringLiteral("categories"))) {
            db->RunStatement(
                QStringLiteral("CREATE TABLE categories ([ID] INTEGER PRIMARY KEY,[Category] VARCHAR (255))"));
            db->RunStatement(QStringLiteral("CREATE INDEX categoriesCategory ON [categories]([Category]);"));
            for (const QString& name : management::seedCategories())
                db->RunStatement(QStringLiteral("INSERT INTO categories(Category) VALUES (?);"), {name});
        }
    } catch (const ESQLiteException& e) {
        ui.warning(QStringLiteral("Error Writing to Management Database - please contact tech support.\r\n") +
                   e.message());
        return false;
    }
    return true;
}
