#pragma once

#include "ScriptedUi.h"
#include "app/Forms.h"
#include "app/TfrmMain.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// A fresh program folder, scripted answers and every window of the program.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs the start-up sequence and the splash's closing, as a normal start does.
    void startUp();
    // Starts up with the browser and the clipboard manager kept out of the way.
    void startUpQuietly();
    QString path(const QString& name) const { return dir.filePath(name); }
    TfrmMain* main() const { return forms().frmMain; }
    TSQLiteDatabase& campaign() const { return *forms().frmMain->campaignDb(); }
    // Adds a link record with the import's defaults; returns its ID.
    qint64 addLink(const QString& domain, int category = 1, qint64 alexa = 50000001, int found = -1);
    QString field(qint64 id, const QString& column) const;
    void refresh(); // counts and refreshes the site list, as after an import
    QStringList listedDomains() const;

    QTemporaryDir dir;
    ScriptedUi ui;
};

void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
