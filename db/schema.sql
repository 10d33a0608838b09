-- Quendaro database schema.
-- Load into an empty database whose default character set is utf8mb4 with
-- the collation utf8mb4_general_ci. Every table repeats that collation, which
-- ignores trailing blanks when texts are compared.
-- Texts are NOT NULL DEFAULT '' (os_custos.idest aside) so that searches with
-- LIKE '%...%' list every row and partial inserts never fail. Amounts default
-- to 0. Dates are NULL until written. No foreign keys: an order starts with
-- client 0, and deleting an order keeps its costs and receivables.

-- Users who may log in.
CREATE TABLE usuarios (
  nmusuario VARCHAR(10) NOT NULL,
  ususenha VARCHAR(10) NOT NULL DEFAULT '',
  PRIMARY KEY (nmusuario)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- One row per user and main-menu item: valor '0' allowed, '1' blocked.
-- campo holds the item name padded with blanks to 20 characters.
CREATE TABLE perfilusuario (
  nmusuario VARCHAR(10) NOT NULL DEFAULT '',
  ususenha VARCHAR(10) NOT NULL DEFAULT '',
  campo CHAR(20) NOT NULL DEFAULT '',
  valor CHAR(1) NOT NULL DEFAULT '1',
  KEY idx_perfilusuario_usuario (nmusuario, campo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- The company that uses the program (one row, no key).
CREATE TABLE empresa (
  cpf VARCHAR(14) NOT NULL DEFAULT '',
  rg VARCHAR(14) NOT NULL DEFAULT '',
  nmemp VARCHAR(45) NOT NULL DEFAULT '',
  nmfant VARCHAR(45) NOT NULL DEFAULT '',
  rua VARCHAR(45) NOT NULL DEFAULT '',
  bairro VARCHAR(30) NOT NULL DEFAULT '',
  cep VARCHAR(8) NOT NULL DEFAULT '',
  cidade VARCHAR(45) NOT NULL DEFAULT '',
  uf VARCHAR(2) NOT NULL DEFAULT '',
  fone VARCHAR(45) NOT NULL DEFAULT '',
  email VARCHAR(200) NOT NULL DEFAULT ''
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Supply groups.
CREATE TABLE grupoestoque (
  cdgrupo INT NOT NULL AUTO_INCREMENT,
  dsgrupo VARCHAR(20) NOT NULL DEFAULT '',
  PRIMARY KEY (cdgrupo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Clients.
CREATE TABLE cliente (
  cdcli INT NOT NULL AUTO_INCREMENT,
  nmcli VARCHAR(45) NOT NULL DEFAULT '',
  nmfant VARCHAR(30) NOT NULL DEFAULT '',
  dtcadastro DATE NULL DEFAULT NULL,
  dtnascimento DATE NULL DEFAULT NULL,
  cpf VARCHAR(22) NOT NULL DEFAULT '',
  rg VARCHAR(22) NOT NULL DEFAULT '',
  fonefixo VARCHAR(30) NOT NULL DEFAULT '',
  fonecel VARCHAR(30) NOT NULL DEFAULT '',
  email VARCHAR(200) NOT NULL DEFAULT '',
  rua VARCHAR(45) NOT NULL DEFAULT '',
  nrcasa VARCHAR(10) NOT NULL DEFAULT '',
  bairro VARCHAR(30) NOT NULL DEFAULT '',
  cidade VARCHAR(30) NOT NULL DEFAULT '',
  uf VARCHAR(2) NOT NULL DEFAULT '',
  obs TEXT NOT NULL DEFAULT '',
  cep VARCHAR(8) NOT NULL DEFAULT '',
  evcad VARCHAR(45) NOT NULL DEFAULT '',
  ultev VARCHAR(45) NOT NULL DEFAULT '',
  PRIMARY KEY (cdcli),
  KEY idx_cliente_nome (nmcli)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Suppliers of supplies and creditors of bills payable.
CREATE TABLE fornecedores (
  cdfor INT NOT NULL AUTO_INCREMENT,
  nmfor VARCHAR(45) NOT NULL DEFAULT '',
  nmfant VARCHAR(30) NOT NULL DEFAULT '',
  cpf VARCHAR(22) NOT NULL DEFAULT '',
  rg VARCHAR(22) NOT NULL DEFAULT '',
  fonefixo VARCHAR(30) NOT NULL DEFAULT '',
  fonecel VARCHAR(30) NOT NULL DEFAULT '',
  email VARCHAR(200) NOT NULL DEFAULT '',
  rua VARCHAR(45) NOT NULL DEFAULT '',
  nrcasa VARCHAR(10) NOT NULL DEFAULT '',
  bairro VARCHAR(30) NOT NULL DEFAULT '',
  cidade VARCHAR(30) NOT NULL DEFAULT '',
  uf VARCHAR(2) NOT NULL DEFAULT '',
  obs TEXT NOT NULL DEFAULT '',
  cep VARCHAR(8) NOT NULL DEFAULT '',
  evcad VARCHAR(45) NOT NULL DEFAULT '',
  ultev VARCHAR(45) NOT NULL DEFAULT '',
  PRIMARY KEY (cdfor),
  KEY idx_fornecedores_nome (nmfor)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Collaborators: the person named on an order, and labour cost lines.
CREATE TABLE vendedores (
  cdven INT NOT NULL AUTO_INCREMENT,
  nmven VARCHAR(45) NOT NULL DEFAULT '',
  cpf VARCHAR(22) NOT NULL DEFAULT '',
  rg VARCHAR(22) NOT NULL DEFAULT '',
  fonefixo VARCHAR(30) NOT NULL DEFAULT '',
  fonecel VARCHAR(30) NOT NULL DEFAULT '',
  email VARCHAR(200) NOT NULL DEFAULT '',
  rua VARCHAR(45) NOT NULL DEFAULT '',
  nrcasa VARCHAR(10) NOT NULL DEFAULT '',
  bairro VARCHAR(30) NOT NULL DEFAULT '',
  cidade VARCHAR(30) NOT NULL DEFAULT '',
  uf VARCHAR(2) NOT NULL DEFAULT '',
  obs TEXT NOT NULL DEFAULT '',
  cep VARCHAR(8) NOT NULL DEFAULT '',
  evcad VARCHAR(45) NOT NULL DEFAULT '',
  ultev VARCHAR(45) NOT NULL DEFAULT '',
  PRIMARY KEY (cdven),
  KEY idx_vendedores_nome (nmven)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Supplies, keyed by the code the user types.
CREATE TABLE produtos (
  cdpro VARCHAR(14) NOT NULL,
  dspro VARCHAR(45) NOT NULL DEFAULT '',
  un VARCHAR(2) NOT NULL DEFAULT '',
  cdgrupo INT NOT NULL DEFAULT 0,
  vcusto DECIMAL(18,4) NOT NULL DEFAULT 0,
  dtucmp VARCHAR(10) NOT NULL DEFAULT '',
  obs TEXT NOT NULL DEFAULT '',
  qmin DECIMAL(18,4) NOT NULL DEFAULT 0,
  evcad VARCHAR(45) NOT NULL DEFAULT '',
  ultev VARCHAR(45) NOT NULL DEFAULT '',
  PRIMARY KEY (cdpro),
  KEY idx_produtos_descricao (dspro)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Service-order headers. ossit: 0 quote, 1 negotiation, 2 approved,
-- 3 in progress, 4 concluded. uev is stamped at creation and again when
-- the order is concluded.
-- idx_os_cab_lista holds what the order lists of two statuses read, in
-- their order, so the server reads them from it without sorting.
CREATE TABLE os_cab (
  osnr INT NOT NULL AUTO_INCREMENT,
  dtos DATE NULL DEFAULT NULL,
  cdcli INT NOT NULL DEFAULT 0,
  ossit CHAR(1) NOT NULL DEFAULT '0',
  nmsol VARCHAR(30) NOT NULL DEFAULT '',
  fone VARCHAR(30) NOT NULL DEFAULT '',
  cdven INT NOT NULL DEFAULT 0,
  evcad VARCHAR(45) NOT NULL DEFAULT '',
  uev VARCHAR(45) NOT NULL DEFAULT '',
  infadicional TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (osnr),
  KEY idx_os_cab_situacao (ossit, dtos),
  KEY idx_os_cab_lista (dtos, osnr, ossit, cdcli, nmsol, fone),
  KEY idx_os_cab_cliente (cdcli)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Service lines of an order. idsrv is the entry moment and can repeat,
-- so id identifies a line.
CREATE TABLE os_srv (
  id INT NOT NULL AUTO_INCREMENT,
  osnr INT NOT NULL DEFAULT 0,
  idsrv VARCHAR(14) NOT NULL DEFAULT '',
  dssrv VARCHAR(65) NOT NULL DEFAULT '',
  un VARCHAR(4) NOT NULL DEFAULT '',
  qt DECIMAL(18,4) NOT NULL DEFAULT 0,
  vu DECIMAL(18,4) NOT NULL DEFAULT 0,
  pd DECIMAL(18,4) NOT NULL DEFAULT 0,
  evcad VARCHAR(45) NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  KEY idx_os_srv_ordem (osnr, idsrv)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Receivable instalments of service orders. nrdoc is the order number
-- (10 digits), the instalment and the count (3 digits each). The row whose
-- instalment part is 000000 carries an amount already received.
-- On instalment rows the settlement keeps vrab = vrorig + juros - descontos - vrpg.
CREATE TABLE creceber (
  nrdoc VARCHAR(16) NOT NULL,
  refdoc VARCHAR(10) NOT NULL DEFAULT '',
  cdcli INT NOT NULL DEFAULT 0,
  dte DATE NULL DEFAULT NULL,
  dtv DATE NULL DEFAULT NULL,
  dtp DATE NULL DEFAULT NULL,
  vrorig DECIMAL(15,2) NOT NULL DEFAULT 0,
  vrpg DECIMAL(15,2) NOT NULL DEFAULT 0,
  vrab DECIMAL(15,2) NOT NULL DEFAULT 0,
  juros DECIMAL(15,2) NOT NULL DEFAULT 0,
  descontos DECIMAL(15,2) NOT NULL DEFAULT 0,
  pago CHAR(1) NOT NULL DEFAULT 'N',
  evcad VARCHAR(45) NOT NULL DEFAULT '',
  PRIMARY KEY (nrdoc),
  KEY idx_creceber_ordem (refdoc, cdcli),
  KEY idx_creceber_cliente (cdcli, pago, dtv),
  KEY idx_creceber_vencimento (pago, dtv)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Cost categories of service orders (no order column: the cost lines join
-- this table and select their own osnr unqualified).
CREATE TABLE categorias (
  cdgrupo INT NOT NULL AUTO_INCREMENT,
  dsgrupo VARCHAR(20) NOT NULL DEFAULT '',
  PRIMARY KEY (cdgrupo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Cost lines of an order: tipo 'P' supply, 'S' labour. idest is the
-- purchase item a supply line was allocated from, NULL when typed by hand.
CREATE TABLE os_custos (
  idlan VARCHAR(45) NOT NULL,
  osnr INT NOT NULL DEFAULT 0,
  tipo CHAR(1) NOT NULL DEFAULT '',
  cdpro VARCHAR(14) NOT NULL DEFAULT '',
  dspro VARCHAR(45) NOT NULL DEFAULT '',
  un VARCHAR(4) NOT NULL DEFAULT '',
  qtde DECIMAL(18,4) NOT NULL DEFAULT 0,
  valor DECIMAL(18,4) NOT NULL DEFAULT 0,
  cdcat INT NOT NULL DEFAULT 0,
  idest VARCHAR(60) NULL DEFAULT NULL,
  evcad VARCHAR(45) NOT NULL DEFAULT '',
  PRIMARY KEY (idlan),
  KEY idx_os_custos_ordem (osnr, tipo),
  KEY idx_os_custos_item (idest)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Items of supplies purchases. A purchase is (cdfor, serie, nfiscal, modelo).
-- status 'N' open, 'S' closed. qtdest is the quantity allocated to orders.
CREATE TABLE insumos_cmp (
  idlan VARCHAR(60) NOT NULL,
  cdfor INT NOT NULL DEFAULT 0,
  serie VARCHAR(3) NOT NULL DEFAULT '',
  nfiscal VARCHAR(10) NOT NULL DEFAULT '',
  modelo VARCHAR(2) NOT NULL DEFAULT '',
  dte DATE NULL DEFAULT NULL,
  dtc DATE NULL DEFAULT NULL,
  cdpro VARCHAR(14) NOT NULL DEFAULT '',
  vfinal DECIMAL(18,4) NOT NULL DEFAULT 0,
  vfrete DECIMAL(18,4) NOT NULL DEFAULT 0,
  qtde DECIMAL(18,4) NOT NULL DEFAULT 0,
  status CHAR(1) NOT NULL DEFAULT 'N',
  evcad VARCHAR(45) NOT NULL DEFAULT '',
  qtdest DECIMAL(18,4) NOT NULL DEFAULT 0,
  PRIMARY KEY (idlan),
  KEY idx_insumos_cmp_compra (cdfor, nfiscal, serie, modelo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Cost centres of bills payable.
CREATE TABLE centrocusto (
  cdcen INT NOT NULL AUTO_INCREMENT,
  nmcen VARCHAR(45) NOT NULL DEFAULT '',
  PRIMARY KEY (cdcen)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Cost sub-centres, independent of the centres.
CREATE TABLE subcentrocusto (
  cdscen INT NOT NULL AUTO_INCREMENT,
  nmscen VARCHAR(45) NOT NULL DEFAULT '',
  PRIMARY KEY (cdscen)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Payable instalments, one row each. idlan is nrdoc/parcela/cdfor.
-- pago 'N' open, 'X' in a receipt not yet closed, 'S' settled.
-- nrrec is empty until a receipt takes the row.
CREATE TABLE cpagar (
  idlan VARCHAR(45) NOT NULL,
  nrdoc VARCHAR(20) NOT NULL DEFAULT '',
  refdoc VARCHAR(20) NOT NULL DEFAULT '',
  cdfor INT NOT NULL DEFAULT 0,
  dte DATE NULL DEFAULT NULL,
  obs VARCHAR(45) NOT NULL DEFAULT '',
  cdcen INT NOT NULL DEFAULT 0,
  cdscen INT NOT NULL DEFAULT 0,
  dtv DATE NULL DEFAULT NULL,
  parcela VARCHAR(7) NOT NULL DEFAULT '',
  vrorig DECIMAL(15,2) NOT NULL DEFAULT 0,
  vrab DECIMAL(15,2) NOT NULL DEFAULT 0,
  vrpg DECIMAL(15,2) NOT NULL DEFAULT 0,
  vrj DECIMAL(15,2) NOT NULL DEFAULT 0,
  vrd DECIMAL(15,2) NOT NULL DEFAULT 0,
  pago CHAR(1) NOT NULL DEFAULT 'N',
  nrrec VARCHAR(22) NOT NULL DEFAULT '',
  dtp DATE NULL DEFAULT NULL,
  evcad VARCHAR(45) NOT NULL DEFAULT '',
  ultev VARCHAR(45) NOT NULL DEFAULT '',
  PRIMARY KEY (idlan),
  KEY idx_cpagar_documento (nrdoc, cdfor),
  KEY idx_cpagar_fornecedor (cdfor, pago, dtv),
  KEY idx_cpagar_vencimento (pago, dtv),
  KEY idx_cpagar_baixa (pago, dtp),
  KEY idx_cpagar_recibo (nrrec, pago)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Receipt numbers as they are issued, payables and receivables alike: a
-- start reserves its number here first, so two windows starting in the same
-- second never share one receipt.
CREATE TABLE recibos_emitidos (
  nrrec VARCHAR(22) NOT NULL,
  evcad VARCHAR(45) NOT NULL DEFAULT '',
  PRIMARY KEY (nrrec)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Payment lines of closed payables receipts (written once; an add looks
-- here to refuse a receipt already closed).
CREATE TABLE cpagar_recibos (
  nrrec VARCHAR(22) NOT NULL DEFAULT '',
  dtbx DATE NULL DEFAULT NULL,
  cdmp VARCHAR(3) NOT NULL DEFAULT '',
  obs TEXT NOT NULL DEFAULT '',
  valor DECIMAL(15,2) NOT NULL DEFAULT 0,
  evcad VARCHAR(45) NOT NULL DEFAULT '',
  KEY idx_cpagar_recibos_recibo (nrrec)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Instalments received in receivables receipts: status 'X' while the
-- receipt is open, 'S' once closed. One instalment may appear more than
-- once in a receipt, so id identifies a row.
CREATE TABLE creceber_recibos (
  id INT NOT NULL AUTO_INCREMENT,
  dte DATE NULL DEFAULT NULL,
  dtv DATE NULL DEFAULT NULL,
  cdcli INT NOT NULL DEFAULT 0,
  nrrec VARCHAR(22) NOT NULL DEFAULT '',
  nrdoc VARCHAR(16) NOT NULL DEFAULT '',
  dtbx DATE NULL DEFAULT NULL,
  status CHAR(1) NOT NULL DEFAULT 'X',
  vrab DECIMAL(15,2) NOT NULL DEFAULT 0,
  juros DECIMAL(15,2) NOT NULL DEFAULT 0,
  descontos DECIMAL(15,2) NOT NULL DEFAULT 0,
  vrpg DECIMAL(15,2) NOT NULL DEFAULT 0,
  evcad VARCHAR(45) NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  KEY idx_creceber_recibos_recibo (nrrec, status),
  KEY idx_creceber_recibos_abertos (status, nrrec, cdcli),
  KEY idx_creceber_recibos_baixa (status, dtbx)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

-- Payment lines of closed receivables receipts (written once, never read back).
CREATE TABLE creceber_recibos_mp (
  nrrec VARCHAR(22) NOT NULL DEFAULT '',
  dtbx DATE NULL DEFAULT NULL,
  cdmp VARCHAR(3) NOT NULL DEFAULT '',
  obs TEXT NOT NULL DEFAULT '',
  valor DECIMAL(15,2) NOT NULL DEFAULT 0,
  evcad VARCHAR(45) NOT NULL DEFAULT ''
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;
