-- Local fiscal file (SQLite), dados.db in the program folder: the supplier
-- register copies every supplier with a valid CPF/CNPJ into `cliente`, as the
-- row of type 'F' with the punctuated document. The program never creates
-- the file; create it once with:  sqlite3 dados.db < db/fiscal.sql
CREATE TABLE cliente (
  cpf TEXT NOT NULL DEFAULT '',
  tipo TEXT NOT NULL DEFAULT '',
  cduf TEXT NOT NULL DEFAULT '',
  cdcid TEXT NOT NULL DEFAULT '',
  cdpais TEXT NOT NULL DEFAULT '',
  complemento TEXT NOT NULL DEFAULT '',
  nmcli TEXT NOT NULL DEFAULT '',
  nmfant TEXT NOT NULL DEFAULT '',
  rg TEXT NOT NULL DEFAULT '',
  rua TEXT NOT NULL DEFAULT '',
  bairro TEXT NOT NULL DEFAULT '',
  cep TEXT NOT NULL DEFAULT '',
  cidade TEXT NOT NULL DEFAULT '',
  uf TEXT NOT NULL DEFAULT '',
  fone TEXT NOT NULL DEFAULT '',
  contato TEXT NOT NULL DEFAULT '',
  nr TEXT NOT NULL DEFAULT '',
  email TEXT NOT NULL DEFAULT '',
  outinf TEXT NOT NULL DEFAULT ''
);
CREATE INDEX idx_cliente_tipo_cpf ON cliente (tipo, cpf);
