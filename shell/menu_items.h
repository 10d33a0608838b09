#pragma once

#include <QString>
#include <array>

// The main window's menu controls, in bar order: their names key the
// permission profiles, their levels indent the profile list.
struct MenuItemDef {
    const char* name;
    const char* caption;
    int level;
};

inline constexpr std::array<MenuItemDef, 34> kMenuItems = {{
    {"mnucad", "Cadastro", 0},
    {"mnu_cadcli", "Clientes", 1},
    {"mnu_cadfor", "Fornecedores", 1},
    {"mun_cadven", "Colaboradores", 1},
    {"mnu_cadgru", "Grupo de Insumos", 1},
    {"mnu_cadpro", "Insumos", 1},
    {"mnu_cadusu", "Usuários", 1},
    {"mnuest", "Insumos", 0},
    {"estent", "Entrada", 1},
    {"mnuos", "Ordem de Serviço", 0},
    {"oscadcat", "Categorias", 1},
    {"osorc", "Orçamento", 1},
    {"osprod", "Em Andamento", 1},
    {"osrel", "Relatórios", 1},
    {"mnufin", "Financeiro", 0},
    {"fincadcentro", "Centro de Custos", 1},
    {"finscentro", "SubCentro de Custos", 1},
    {"findesp", "Despesas", 1},
    {"findespinc", "Inclusão", 2},
    {"findespbx", "Baixa", 2},
    {"funcrc", "C.Receber", 1},
    {"finrel", "Relatórios", 1},
    {"mnuepi", "EPIs", 0},
    {"epicad", "Cadastro", 1},
    {"epient", "Entrada", 1},
    {"episai", "Saída", 1},
    {"epirel", "Relatórios", 1},
    {"mnu_uti", "Util", 0},
    {"mnu_cfg", "Parametros", 1},
    {"uti_emp", "Empresa Emitente", 1},
    {"uti_pfundo", "Definir Imagem Fundo Tela Principal", 1},
    {"utiup", "Conclui Atualização", 1},
    {"mnu_f10", "F10 - LogOff", 0},
    {"mnu_update", "Atualizar", 0},
}};
