#pragma once

#include "BatchWindow.h"

#include <QStringList>

class QPlainTextEdit;

// The values one ranking answer gives for a site.
struct RankingAnswer {
    QString rank, backlinks, reach, delta, description;
};
// Reads the ranking service's XML; false with error set when it does not parse or has no root.
bool parseRankingAnswer(const QString& xml, RankingAnswer& answer, QString& error);

// "Lookup Alexa Rank": asks the ranking service for every unchecked site.
class TfrmAlexa : public BatchWindow {
    Q_OBJECT
public:
    explicit TfrmAlexa(QWidget* parent = nullptr);

    bool start(); // prepares a run; false when the window is not to open
    bool CountRecords();
    bool LookupNextSite();
    void timNextSiteTimer() override;
    void cxContinueClick() { doneClick(); }

    static QString defaultServiceAddress() { return QStringLiteral("http://data.alexa.com"); }
    QString serviceAddress = defaultServiceAddress();
    long noDataSeconds = 900;

    qint64 checked() const { return m_checked; }
    qint64 toBeChecked() const { return m_toBeChecked; }
    QLabel *labProcessed, *labToBeProcessed;
    QPlainTextEdit* memAlexaXML;

private:
    void showCounters();
    qint64 m_checked = 0, m_toBeChecked = 0;
};
