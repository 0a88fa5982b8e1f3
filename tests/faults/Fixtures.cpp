#include "Fixtures.h"

namespace {

void mixed(Scene &scene)
{
    scene.outsideFile("secret.txt");
    scene.file("a.jpg");
    scene.file("b.png", 0600);
    scene.file("c.JPG", 0755);
    scene.file("report.pdf");
    scene.file("notes.txt");
    scene.file("notes.");
    scene.file("README");
    scene.file("x.qqq");
    scene.file("caf\xe9.mp3"); // Latin-1, not UTF-8
    scene.file(".hidden.jpg");
    scene.file(".config/settings.txt");
    scene.file("sub/inner.jpg");
    scene.link("shortcut.jpg", "a.jpg");
    scene.link("gone.pdf", "nowhere.pdf");
    scene.link("secret.txt", (scene.outside() / "secret.txt").string());
    scene.fifo("pipe.mp3");
}

void clashes(Scene &scene)
{
    scene.outsideFolder("music");
    scene.outsideFile("music/song.mp3");
    scene.file("Images/photo.jpg");
    scene.file("photo.jpg");
    scene.file("photo (1).jpg"); // planned to the same numbered name as photo.jpg
    scene.file("Documents"); // a file where a category folder would go
    scene.file("report.pdf");
    scene.link("Audio", (scene.outside() / "music").string());
    scene.file("song.mp3");
    scene.file("Videos/.keep");
    scene.file("clip.mp4");
    scene.folderAt("Code"); // empty before the run
    scene.file("Archives/backup.tar.gz");
    scene.file("backup.tar.gz");
    scene.folderAt("Holiday"); // a user's own empty folder
}

void groupsAndNames(Scene &scene)
{
    const std::string longName = std::string(251, 'a') + ".txt"; // 255 bytes, the limit
    scene.file("Documents/TXT/" + longName); // its numbered name is too long
    scene.file(longName);
    scene.file("\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e.txt"); // Japanese
    scene.file("stra\xc3\x9f"
               "e.PDF");
    scene.file("\xc3\x9cn\xc3\xaf"
               "c\xc3\xb6"
               "d\xc3\xa9.png");
    scene.file("emoji\xf0\x9f\x98\x80.jpg");
    scene.file("Images/JPG/emoji\xf0\x9f\x98\x80.jpg");
    scene.file("e\xcc\x81.jpg"); // decomposed e-acute
    scene.file("README");
    scene.file("Makefile");
    scene.file("x.qqq");
    scene.file("y.");
    scene.file("main.cpp");
    scene.file("util.py");
    scene.file("broken\xff\xfe.py");
}

void sparse(Scene &scene)
{
    scene.file("only.zip");
    scene.file(".DS_Store");
    scene.file("Projects/a.jpg");
    scene.file("Installers/.hidden");
    scene.folderAt(".Trash");
}

} // namespace

const std::vector<Fixture> &fixtures()
{
    static const std::vector<Fixture> all = {
        { "Mixed", mixed },
        { "Clashes", clashes },
        { "GroupsAndNames", groupsAndNames },
        { "Sparse", sparse },
    };
    return all;
}
