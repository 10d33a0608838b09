-- Brings a database made by an earlier version of the program up to date.
-- Every statement may run again: what is there already is left as it is.

CREATE TABLE IF NOT EXISTS recibos_emitidos (
  nrrec VARCHAR(22) NOT NULL,
  evcad VARCHAR(45) NOT NULL DEFAULT '',
  PRIMARY KEY (nrrec)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE INDEX IF NOT EXISTS idx_cpagar_recibos_recibo ON cpagar_recibos (nrrec);

CREATE INDEX IF NOT EXISTS idx_os_cab_lista ON os_cab (dtos, osnr, ossit, cdcli, nmsol, fone);
