#pragma once
// The code proposed for a new agent: the greatest code made only of digits plus
// one, never below 1001, written with 4 digits ("1001" for an empty table or one
// that holds only "0001"; "1006" after "1005"). Empty when the 4 digits are used
// up (after "9999"), so that the person types a code.
#include <QString>
#include <QStringList>

namespace engine {
class Connection;
}

namespace data {

QString nextAgentCode(const QStringList &existingCodes);
QString nextAgentCode(engine::Connection &qalMotor);

} // namespace data
