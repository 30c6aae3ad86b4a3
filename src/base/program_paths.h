#pragma once
// ProgramPaths: where the program finds the files it keeps beside the documents: the
// settings file TARVEN.INI, the documents folder PROJEKTY, the read-only data (the hazard
// catalogue, the help, the tutorial) and the folder scanned for tool libraries. Nothing
// else in the program puts these paths together.
//
// Two layouts, one rule. A program folder the user may write to (the build folder, a copy
// on a USB stick) holds everything. An installed program, whose folder is the bin folder
// of an install prefix, writes only into the user's own folders: TARVEN.INI in the
// configuration folder, PROJEKTY in the documents folder, the help's collection in the
// cache folder; it reads its data from
// <prefix>/share/ocena-ryzyka and its tools from <prefix>/lib/ocena-ryzyka/tools.
//
// A plain value; copies are cheap. Nothing is touched on disk until a folder the program
// writes into is asked for (see settingsFile() and documentsFolder()).

#include <QString>

class ProgramPaths {
public:
    // The user's own folders, where an installed program writes.
    struct UserFolders {
        QString configuration;   // receives TARVEN.INI
        QString documents;       // receives PROJEKTY
        QString cache;           // receives the help collection and its search index
        // The platform's: the application's configuration and cache folders and the user's
        // documents.
        static UserFolders standard();
    };

    // A program folder the program keeps to itself: everything lies in it. (Implicit: a
    // folder names this layout wherever a ProgramPaths is wanted, as in the tests.)
    ProgramPaths(const QString& programFolder);
    // The install whose executables lie in `binFolder`.
    static ProgramPaths installed(const QString& binFolder, const UserFolders& user = UserFolders::standard());
    // The layout of the program in `programFolder`: its own folder while the user may write
    // to it, the install otherwise, and also when the data of an install lies beside it (so
    // that root, who may write anywhere, does not fill /usr/bin with settings).
    static ProgramPaths forProgramFolder(const QString& programFolder,
                                         const UserFolders& user = UserFolders::standard());

    bool isInstalled() const { return installed_; }

    // TARVEN.INI. In the installed layout its folder is made when missing.
    QString settingsFile() const;
    // PROJEKTY: where new documents are named and the open dialogs start. In the installed
    // layout it is made when missing; a program folder's own is part of that folder and is
    // never made by the program.
    QString documentsFolder() const;
    // A read-only data file by its name.
    QString dataFile(const QString& name) const;
    // The compiled help topics TARVEN.qch (read-only data).
    QString helpTopics() const;
    // The help collection TARVEN.qhc that registers the topics and keeps the search index:
    // made by the help on first use, so in the installed layout it lies in the user's
    // cache folder, which is made when missing.
    QString helpCollection() const;
    // The hazard catalogue ZAGROZENIA.txt.
    QString hazardCatalogue() const;
    // SZABLONY: the workstation templates shipped with the program (read-only data).
    QString templatesFolder() const;
    // MOJE_SZABLONY: the templates the user saved, beside the settings file, so writable in
    // both layouts. In the installed layout it is made when missing; a program folder's own
    // is made by the first template saved into it.
    QString userTemplatesFolder() const;
    // The folder scanned for tool libraries.
    const QString& toolsFolder() const { return toolsFolder_; }

private:
    ProgramPaths() = default;

    bool installed_ = false;
    QString settingsFolder_;
    QString documentsFolder_;
    QString cacheFolder_;
    QString dataFolder_;
    QString toolsFolder_;
};
