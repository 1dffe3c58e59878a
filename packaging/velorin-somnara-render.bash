# SPDX-License-Identifier: GPL-3.0-or-later
# Bash completion of velorin-somnara-render: its options, the values of those
# that take a few, folders after -d, and sessions and sound files elsewhere.
_velorin_somnara_render() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]} f
    COMPREPLY=()
    case $prev in
    -d | --carpeta)
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        return
        ;;
    -f | --formato) mapfile -t COMPREPLY < <(compgen -W "wav flac ogg mp3" -- "$cur") && return ;;
    --bits) mapfile -t COMPREPLY < <(compgen -W "16 24 32f" -- "$cur") && return ;;
    --calidad) mapfile -t COMPREPLY < <(compgen -W "$(echo {0..10})" -- "$cur") && return ;;
    --binaural | --mascara | --musica)
        mapfile -t COMPREPLY < <(compgen -W "$(echo {0..100..10})" -- "$cur")
        return
        ;;
    --pulso) mapfile -t COMPREPLY < <(compgen -W "binaural monoaural isocronico" -- "$cur") && return ;;
    --ruido) mapfile -t COMPREPLY < <(compgen -W "original rosa marron" -- "$cur") && return ;;
    --fundido) mapfile -t COMPREPLY < <(compgen -W "0 10 20 30 60 120" -- "$cur") && return ;;
    -i | --informe)
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
        ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "--help --version --carpeta --formato --bits
            --calidad --binaural --mascara --musica --sin-musica --fundido --pulso --ruido
            --desde-ventana
            --luz --informe --silencioso --comprobar" -- "$cur")
        return
    fi
    while IFS= read -r f; do
        case ${f,,} in
        *.vso | *.sbg | *.gnaural | *.wav | *.flac | *.ogg | *.mp3) COMPREPLY+=("$f") ;;
        *) [[ -d $f ]] && COMPREPLY+=("$f") ;;
        esac
    done < <(compgen -f -- "$cur")
}
complete -o filenames -F _velorin_somnara_render velorin-somnara-render
