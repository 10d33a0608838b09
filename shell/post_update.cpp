#include "shell/post_update.h"

#include "platform/db/connection.h"

void criaTabelaEstornos(db::Connection& cn) {
    cn.execute(QStringLiteral(
        "CREATE TABLE estornoshst (tipo VARCHAR(2) NOT NULL,nrdoc VARCHAR(45) NOT NULL,valor "
        "DECIMAL(15,2) NOT NULL,dtest DATE NOT NULL,motivo VARCHAR(45) NOT NULL,opev VARCHAR(45) "
        "NOT NULL)  ENGINE = InnoDB"));
}
