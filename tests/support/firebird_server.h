#pragma once
// The Firebird server that the test command starts (scripts/firebird-start.sh).
// Its address and database folder come from QALMOTOR_FB_HOST and QALMOTOR_FB_DIR;
// when they are not set the Firebird half of a test skips itself with a note.
#include <QString>

namespace firebird_server {

bool available();
QString host();
// A new, empty UTF8 database in the server's folder; returns its path on the server.
// Fails the calling test (ADD_FAILURE) and returns an empty text when it cannot.
QString createDatabase(const QString &baseName);
QString password();

} // namespace firebird_server

#define REQUIRE_FIREBIRD()                                                             \
    do {                                                                               \
        if (!firebird_server::available())                                             \
            GTEST_SKIP() << "no Firebird test server (QALMOTOR_FB_HOST is not set)";   \
    } while (0)
