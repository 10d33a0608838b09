-- A few years of a busy shop, made by the server from its sequence tables:
-- 100,000 clients; 200,000 orders spread over four years and the five
-- statuses, three service lines each; a supply and a labour cost line for
-- every approved, running or concluded order; 300,000 receivable
-- instalments, two thirds of them open.

INSERT INTO vendedores (nmven)
SELECT CONCAT('COLABORADOR ', seq) FROM seq_1_to_20;

INSERT INTO cliente (nmcli, nmfant, dtcadastro, dtnascimento, cpf, rg, fonefixo, fonecel,
                     email, rua, nrcasa, bairro, cidade, uf, obs, cep, evcad, ultev)
SELECT CONCAT(ELT(1 + seq % 12, 'ANA', 'BRUNO', 'CARLA', 'DIEGO', 'EDUARDA', 'FABIO',
                  'GABRIELA', 'HUGO', 'IARA', 'JOAO', 'KARINA', 'LUIS'), ' ',
              ELT(1 + (seq DIV 12) % 10, 'SILVA', 'SOUZA', 'OLIVEIRA', 'PEREIRA', 'LIMA',
                  'COSTA', 'RIBEIRO', 'ALVES', 'GOMES', 'MARTINS'), ' ', seq),
       CONCAT('APELIDO ', seq), '2021-01-05', '1990-12-25', LPAD(seq, 11, '0'),
       CONCAT('RG', seq), '1133334444', '11999998888', CONCAT('cliente', seq, '@exemplo.com.br'),
       'RUA DAS FLORES', seq % 1000, 'CENTRO',
       ELT(1 + seq % 5, 'SAO PAULO', 'CAMPINAS', 'SANTOS', 'SOROCABA', 'JUNDIAI'), 'SP',
       'CLIENTE DESDE 2021', '01001000', 'CARGA 05/01/2021 10:00:00', 'CARGA 05/01/2021 10:00:00'
FROM seq_1_to_100000;

INSERT INTO os_cab (osnr, dtos, cdcli, ossit, nmsol, fone, cdven, evcad, uev, infadicional)
SELECT seq, '2021-01-01' + INTERVAL (seq * 7) % 1460 DAY, 1 + (seq * 37) % 100000, seq % 5,
       CONCAT('SOLICITANTE ', seq % 500), '11987654321', 1 + seq % 20,
       CONCAT(DATE_FORMAT('2021-01-01' + INTERVAL (seq * 7) % 1460 DAY, '%d/%m/%Y'),
              ' 09:30:00 CARGA'),
       CONCAT(DATE_FORMAT('2021-01-01' + INTERVAL (seq * 7) % 1460 + 12 DAY, '%d/%m/%Y'),
              ' 17:45:00 CARGA'),
       ''
FROM seq_1_to_200000;

INSERT INTO os_srv (osnr, idsrv, dssrv, un, qt, vu, pd, evcad)
SELECT 1 + (seq - 1) DIV 3, CONCAT('2021010109', LPAD(seq % 10000, 4, '0')),
       ELT(1 + seq % 4, 'TROCA DE OLEO', 'ALINHAMENTO', 'REVISAO DOS FREIOS', 'MAO DE OBRA'),
       'UN', 1 + seq % 3, 50 + (seq % 200) * 1.25, (seq % 4) * 2.5, '01/01/2021 09:30:00 CARGA'
FROM seq_1_to_600000;

INSERT INTO os_custos (idlan, osnr, tipo, cdpro, dspro, un, qtde, valor, cdcat, evcad)
SELECT CONCAT(o.osnr, '-', t.tipo), o.osnr, t.tipo, IF(t.tipo = 'P', 'PECA01', ''),
       IF(t.tipo = 'P', 'FILTRO', 'MAO DE OBRA'), 'UN', 2, 35.5, 1, '01/01/2021 09:30:00 CARGA'
FROM os_cab o JOIN (SELECT 'P' AS tipo UNION ALL SELECT 'S') t
WHERE o.ossit >= '2';

INSERT INTO creceber (nrdoc, refdoc, cdcli, dte, dtv, vrorig, vrpg, vrab, pago, evcad)
SELECT CONCAT(LPAD(1 + (seq - 1) DIV 3, 10, '0'), LPAD(1 + (seq - 1) % 3, 3, '0'), '003'),
       1 + (seq - 1) DIV 3, 1 + (seq * 37) % 100000,
       '2021-01-01' + INTERVAL (seq * 5) % 1460 DAY,
       '2021-01-01' + INTERVAL (seq * 5) % 1460 + 30 DAY,
       100 + seq % 900, IF(seq % 3 = 0, 100 + seq % 900, 0), IF(seq % 3 = 0, 0, 100 + seq % 900),
       IF(seq % 3 = 0, 'S', 'N'), 'CARGA'
FROM seq_1_to_300000;

ANALYZE TABLE cliente, os_cab, os_srv, os_custos, creceber;
