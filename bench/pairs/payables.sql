-- The payables entry's lists: a supplier, a cost centre and sub-centre, and
-- 200 bills of 12 instalments already stored.
INSERT INTO fornecedores (nmfor) VALUES ('FORNECEDOR DE PECAS');
INSERT INTO centrocusto (nmcen) VALUES ('OFICINA');
INSERT INTO subcentrocusto (nmscen) VALUES ('MATERIAL');
INSERT INTO cpagar (idlan, nrdoc, refdoc, cdfor, dte, obs, cdcen, cdscen, dtv, parcela, vrorig,
                    vrab, evcad, ultev)
SELECT CONCAT('C', 1 + (seq - 1) DIV 12, '/', LPAD(1 + (seq - 1) % 12, 3, '0'), '/012/1'),
       CONCAT('C', 1 + (seq - 1) DIV 12), 'CARGA', 1, '2025-01-10', 'CARGA', 1, 1,
       '2025-02-10' + INTERVAL (seq - 1) % 12 MONTH,
       CONCAT(LPAD(1 + (seq - 1) % 12, 3, '0'), '/012'), 150, 150, 'CARGA', 'CARGA'
FROM seq_1_to_2400;
ANALYZE TABLE cpagar;
