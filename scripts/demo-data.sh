# Shared by scripts/run and scripts/screenshot (sourced, not run): the simulated service and
# a demo data folder filled from it.

# Starts tavrel-forumsim from $1 (bin folder) with its state in $2; sets DEMO_SIM_PID and
# exports CURL_HOME so that curl (and only curl) reaches the simulator.
demo_start_sim() {
    local bin=$1 state=$2
    "$bin/tavrel-forumsim" --state-dir "$state/curl" >"$state/sim.out" 2>"$state/sim.err" &
    DEMO_SIM_PID=$!
    for _ in $(seq 100); do
        grep -q '^FORUMSIM_READY=1' "$state/sim.out" 2>/dev/null && break
        kill -0 "$DEMO_SIM_PID" 2>/dev/null || { cat "$state/sim.err" >&2; return 1; }
        sleep 0.1
    done
    CURL_HOME=$(sed -n 's/^CURL_HOME=//p' "$state/sim.out")
    export CURL_HOME
}

# The open demo boards as host:board.
DEMO_BOARDS="nbbs-a:neko01 nbbs-a:ryori01 nbbs-b:tetsu01 nbbs-c:tetsu03"

# Creates the data folder $2/TavrelFolder and fills its Warehouse with the first page of each
# demo board, cut by tavrelsplit from $1. Prints the folder's path.
demo_fill_folder() {
    local bin=$1 data="$2/TavrelFolder" entry host board page
    mkdir -p "$data"/{Tmp,Post,Access,Warehouse,ForumList,ForumTop,cm_freeboardList,Drafts,SentMessages}
    for entry in $DEMO_BOARDS; do
        host=${entry%%:*} board=${entry#*:}
        page="$data/Tmp/$board.1"
        if /usr/bin/curl -s -o "$page" "http://$host.example.com/nbbin/nb_wrent/$board/wr_page=1/wr_type=M"; then
            "$bin/tavrelsplit" "$data/Warehouse/$board" "$page" >/dev/null && rm -f "$page"
        fi
    done
    echo "$data"
}

# Writes "Access/Demo", a communication settings file that patrols the demo boards, into the
# data folder $1 unless one is there.
demo_write_settings() {
    local file="$1/Access/Demo" entry host board
    [ -e "$file" ] && return 0
    {
        printf '%s\n' '<?xml version="1.0" encoding="UTF-8"?>' \
            '<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">' \
            '<plist version="1.0">' '<dict>' \
            '	<key>BeforeProcedure</key>' '	<string></string>' \
            '	<key>AfterProcedure</key>' '	<string></string>' \
            '	<key>JunkaiArray</key>' '	<array>'
        for entry in $DEMO_BOARDS; do
            host=${entry%%:*} board=${entry#*:}
            printf '\t\t<dict>\n'
            printf '\t\t\t<key>BbsID</key>\n\t\t\t<string>%s</string>\n' "$board"
            printf '\t\t\t<key>ReadALL</key>\n\t\t\t<string>YES</string>\n'
            printf '\t\t\t<key>LastXMessage</key>\n\t\t\t<string>100</string>\n'
            printf '\t\t\t<key>URLFormat</key>\n\t\t\t<string>http://%s.example.com/nbbin/nb_wrent/%s/wr_page=%%d/wr_type=M</string>\n' "$host" "$board"
            printf '\t\t\t<key>JushinURL</key>\n\t\t\t<string>http://%s.example.com/nbbin/nb_wrent/</string>\n' "$host"
            printf '\t\t</dict>\n'
        done
        printf '%s\n' '	</array>' '	<key>ForumTopDownloadArray</key>' '	<array/>' \
            '	<key>IsUseProxy</key>' '	<false/>' \
            '	<key>IsMyDeskMessageAccess</key>' '	<false/>' '</dict>' '</plist>'
    } >"$file"
}

# Writes the preferences file of $1 (an XDG_CONFIG_HOME) pointing "TVLFolderPath" at the data
# folder $2, unless the file exists already.
demo_write_preferences() {
    local file="$1/org.tavrel.Tavrel.plist" path
    mkdir -p "$1"
    path=$(printf '%s' "$2" | sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g')
    [ -e "$file" ] && return 0
    printf '%s\n' '<?xml version="1.0" encoding="UTF-8"?>' \
        '<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">' \
        '<plist version="1.0">' '<dict>' '	<key>TVLFolderPath</key>' "	<string>$path</string>" \
        '</dict>' '</plist>' >"$file"
}
