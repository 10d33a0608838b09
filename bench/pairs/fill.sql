-- A shop for the alternated pairs: 5,000 clients; 25,000 orders over four
-- years, 5,000 of each status, three service lines each, a supply and a
-- labour cost line from status 2 on; 200 bills payable of 12 instalments.

INSERT INTO fornecedores (nmfor) VALUES ('FORNECEDOR DE PECAS');
INSERT INTO centrocusto (nmcen) VALUES ('OFICINA');
INSERT INTO subcentrocusto (nmscen) VALUES ('MATERIAL');

INSERT INTO cliente (nmcli, cidade, uf, evcad, ultev)
SELECT CONCAT('CLIENTE ', seq), 'SAO PAULO', 'SP', 'CARGA', 'CARGA' FROM seq_1_to_5000;

INSERT INTO os_cab (osnr, dtos, cdcli, ossit, nmsol, fone, cdven, evcad, uev, infadicional)
SELECT seq, '2021-01-01' + INTERVAL (seq * 7) % 1460 DAY, 1 + (seq * 37) % 5000, seq % 5,
       CONCAT('SOLICITANTE ', seq % 500), '11987654321', 1,
       CONCAT(DATE_FORMAT('2021-01-01' + INTERVAL (seq * 7) % 1460 DAY, '%d/%m/%Y'),
              ' 09:30:00 CARGA'),
       CONCAT(DATE_FORMAT('2021-01-01' + INTERVAL (seq * 7) % 1460 + 12 DAY, '%d/%m/%Y'),
              ' 17:45:00 CARGA'),
       ''
FROM seq_1_to_25000;

INSERT INTO os_srv (osnr, idsrv, dssrv, un, qt, vu, pd, evcad)
SELECT 1 + (seq - 1) DIV 3, CONCAT('2021010109', LPAD(seq % 10000, 4, '0')),
       ELT(1 + seq % 4, 'TROCA DE OLEO', 'ALINHAMENTO', 'REVISAO DOS FREIOS', 'MAO DE OBRA'),
       'UN', 1 + seq % 3, 50 + (seq % 200) * 1.25, (seq % 4) * 2.5, 'CARGA'
FROM seq_1_to_75000;

INSERT INTO os_custos (idlan, osnr, tipo, cdpro, dspro, un, qtde, valor, cdcat, evcad)
SELECT CONCAT(o.osnr, '-', t.tipo), o.osnr, t.tipo, IF(t.tipo = 'P', 'PECA01', ''),
       IF(t.tipo = 'P', 'FILTRO', 'MAO DE OBRA'), 'UN', 2, 35.5, 1, 'CARGA'
FROM os_cab o JOIN (SELECT 'P' AS tipo UNION ALL SELECT 'S') t
WHERE o.ossit >= '2';

INSERT INTO cpagar (idlan, nrdoc, refdoc, cdfor, dte, obs, cdcen, cdscen, dtv, parcela, vrorig,
                    vrab, evcad, ultev)
SELECT CONCAT('C', 1 + (seq - 1) DIV 12, '/', LPAD(1 + (seq - 1) % 12, 3, '0'), '/012/1'),
       CONCAT('C', 1 + (seq - 1) DIV 12), 'CARGA', 1, '2025-01-10', 'CARGA', 1, 1,
       '2025-02-10' + INTERVAL (seq - 1) % 12 MONTH,
       CONCAT(LPAD(1 + (seq - 1) % 12, 3, '0'), '/012'), 150, 150, 'CARGA', 'CARGA'
FROM seq_1_to_2400;

ANALYZE TABLE cliente, os_cab, os_srv, os_custos, cpagar;
