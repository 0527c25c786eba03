<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AuditTrailModel</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Régulateur</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>cycle entered</source>
        <translation>cycle enregistré</translation>
    </message>
    <message>
        <source>release</source>
        <translation>libération</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importation</translation>
    </message>
    <message>
        <source>cycle migrated</source>
        <translation>cycle transféré</translation>
    </message>
    <message>
        <source>program write</source>
        <translation>programme écrit</translation>
    </message>
    <message>
        <source>settings change</source>
        <translation>paramètres modifiés</translation>
    </message>
    <message>
        <source>backup verified</source>
        <translation>sauvegarde vérifiée</translation>
    </message>
    <message>
        <source>backup failed</source>
        <translation>échec de la sauvegarde</translation>
    </message>
    <message>
        <source>register restored</source>
        <translation>registre restauré</translation>
    </message>
    <message>
        <source>operator added</source>
        <translation>opérateur ajouté</translation>
    </message>
    <message>
        <source>operator changed</source>
        <translation>opérateur modifié</translation>
    </message>
    <message>
        <source>operator PIN reset</source>
        <translation>code PIN de l&apos;opérateur réinitialisé</translation>
    </message>
    <message>
        <source>operator locked out</source>
        <translation>opérateur bloqué</translation>
    </message>
    <message>
        <source>packs labelled</source>
        <translation>emballages étiquetés</translation>
    </message>
    <message>
        <source>pack used</source>
        <translation>emballage utilisé</translation>
    </message>
    <message>
        <source>reference erased</source>
        <translation>référence patient effacée</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>BackupCheck</name>
    <message>
        <source>There is no file %1.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The copy %1 cannot be opened: %2</source>
        <translation>La copie %1 ne peut pas être ouverte : %2</translation>
    </message>
    <message>
        <source>The copy %1 fails SQLite&apos;s integrity check: %2</source>
        <translation>La copie %1 échoue à la vérification d&apos;intégrité de SQLite : %2</translation>
    </message>
    <message>
        <source>The log %1 of entry %2 has a name no copy can have.</source>
        <translation>Le journal %1 de l&apos;entrée %2 porte un nom qu&apos;aucune copie ne peut avoir.</translation>
    </message>
    <message>
        <source>The log %1 of entry %2 is missing.</source>
        <translation>Le journal %1 de l&apos;entrée %2 est manquant.</translation>
    </message>
    <message>
        <source>The log %1 of entry %2 cannot be read: %3</source>
        <translation>Le journal %1 de l&apos;entrée %2 ne peut pas être lu : %3</translation>
    </message>
    <message>
        <source>The log %1 of entry %2 is not the one entered.</source>
        <translation>Le journal %1 de l&apos;entrée %2 n&apos;est pas celui qui a été enregistré.</translation>
    </message>
</context>
<context>
    <name>BackupPanel</name>
    <message>
        <source>Backup folder...</source>
        <translation>Dossier de sauvegarde...</translation>
    </message>
    <message>
        <source>The folder the register and its run logs are backed up into: a USB disk, a second disk or a network share</source>
        <translation>Le dossier où le registre et ses journaux de cycle sont sauvegardés : une clé USB, un second disque ou un partage réseau</translation>
    </message>
    <message>
        <source>Back up now</source>
        <translation>Sauvegarder maintenant</translation>
    </message>
    <message>
        <source>Backs the register and its run logs up into the backup folder and verifies the backup</source>
        <translation>Sauvegarde le registre et ses journaux de cycle dans le dossier de sauvegarde et vérifie la sauvegarde</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Backing up into %1 ...</source>
        <translation>Sauvegarde dans %1 ...</translation>
    </message>
    <message>
        <source>No backup folder is chosen.</source>
        <translation>Aucun dossier de sauvegarde n&apos;est choisi.</translation>
    </message>
    <message>
        <source>Backup folder: %1</source>
        <translation>Dossier de sauvegarde : %1</translation>
    </message>
</context>
<context>
    <name>BackupScheduler</name>
    <message>
        <source>The backups&apos; status cannot be read: %1</source>
        <translation>L&apos;état des sauvegardes ne peut pas être lu : %1</translation>
    </message>
</context>
<context>
    <name>BackupStatus</name>
    <message>
        <source>Last verified backup: %1 (%2)</source>
        <translation>Dernière sauvegarde vérifiée : %1 (%2)</translation>
    </message>
    <message>
        <source>No verified backup yet.</source>
        <translation>Aucune sauvegarde vérifiée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Warning: the last backup attempt failed (%1): %2</source>
        <translation>Avertissement : la dernière tentative de sauvegarde a échoué (%1) : %2</translation>
    </message>
    <message>
        <source>Warning: the log %1 differs from its copy in the backup; the copy was kept.</source>
        <translation>Avertissement : le journal %1 diffère de sa copie dans la sauvegarde ; la copie a été conservée.</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>hier</translation>
    </message>
    <message numerus="yes">
        <source>Warning: no verified backup is newer than %n days.</source>
        <translation>
            <numerusform>Avertissement : aucune sauvegarde vérifiée ne date de moins de %n jour.</numerusform>
            <numerusform>Avertissement : aucune sauvegarde vérifiée ne date de moins de %n jours.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChainLedger</name>
    <message>
        <source>entry %1</source>
        <translation>entrée %1</translation>
    </message>
    <message>
        <source>release %1</source>
        <translation>libération %1</translation>
    </message>
    <message>
        <source>event %1</source>
        <translation>événement %1</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>emballage %1</translation>
    </message>
    <message>
        <source>use %1</source>
        <translation>utilisation %1</translation>
    </message>
    <message>
        <source>Links %1 to %2 of the chain %3 are missing: records were removed from the ledger.</source>
        <translation>Les maillons %1 à %2 de la chaîne %3 sont manquants : des enregistrements ont été retirés du registre des maillons.</translation>
    </message>
    <message>
        <source>The link %1 does not follow the link before it: links were removed, inserted or reordered.</source>
        <translation>Le maillon %1 ne suit pas le maillon précédent : des maillons ont été retirés, insérés ou réordonnés.</translation>
    </message>
    <message>
        <source>The link %1 has been altered.</source>
        <translation>Le maillon %1 a été modifié.</translation>
    </message>
    <message>
        <source>The %1 that the link %2 names is missing.</source>
        <translation>L&apos;enregistrement « %1 » que nomme le maillon %2 est manquant.</translation>
    </message>
    <message>
        <source>The %1 is not what the link %2 holds: it has been altered.</source>
        <translation>L&apos;enregistrement « %1 » ne correspond pas au maillon %2 : il a été modifié.</translation>
    </message>
    <message>
        <source>The witness %1 contradicts the register: its link there is %2, so the history up to it was rewritten.</source>
        <translation>Le témoin %1 contredit le registre : son maillon y est %2, l&apos;historique jusqu&apos;à lui a donc été réécrit.</translation>
    </message>
    <message numerus="yes">
        <source>All %n links of the chain %1 are missing.</source>
        <translation>
            <numerusform>L&apos;unique maillon de la chaîne %1 est manquant.</numerusform>
            <numerusform>Les %n maillons de la chaîne %1 sont tous manquants.</numerusform>
        </translation>
    </message>
    <message>
        <source>The %1 is not in the ledger: it was added past the program, or its link was removed.</source>
        <translation>L&apos;enregistrement « %1 » n&apos;est pas dans le registre des maillons : il a été ajouté en contournant le programme, ou son maillon a été retiré.</translation>
    </message>
    <message>
        <source>The witness %1 names a link the register no longer holds: records were removed.</source>
        <translation>Le témoin %1 nomme un maillon que le registre ne contient plus : des enregistrements ont été retirés.</translation>
    </message>
    <message>
        <source>The chain %1 has no head.</source>
        <translation>La chaîne %1 n&apos;a pas de tête.</translation>
    </message>
    <message>
        <source>The newest links %1 to %2 of the chain %3 are missing.</source>
        <translation>Les maillons les plus récents %1 à %2 de la chaîne %3 sont manquants.</translation>
    </message>
    <message>
        <source>The head of the chain %1 does not name its newest link.</source>
        <translation>La tête de la chaîne %1 ne nomme pas son maillon le plus récent.</translation>
    </message>
</context>
<context>
    <name>CommunicationManager</name>
    <message>
        <source>The start was not sent: the controller cannot be reached. No program was started.</source>
        <translation>Le démarrage n&apos;a pas été envoyé : le régulateur est injoignable. Aucun programme n&apos;a été démarré.</translation>
    </message>
    <message>
        <source>The stop was not sent: the controller cannot be reached. The program goes on; press Stop again once the controller is back, or stop it at the controller.</source>
        <translation>L&apos;arrêt n&apos;a pas été envoyé : le régulateur est injoignable. Le programme continue ; appuyez à nouveau sur Arrêter dès que le régulateur répond, ou arrêtez-le sur le régulateur.</translation>
    </message>
    <message>
        <source>Can&apos;t connect to the regulon</source>
        <translation>Impossible de se connecter au Regulon</translation>
    </message>
    <message>
        <source>Could not read from device. Please try with connecting another USB cable. If the error persists try to do a restart of the controller.</source>
        <translation>Impossible de lire l&apos;appareil. Essayez avec un autre câble USB. Si l&apos;erreur persiste, redémarrez le régulateur.</translation>
    </message>
</context>
<context>
    <name>CycleChart</name>
    <message>
        <source>Time since the start [HH:MM]</source>
        <translation>Temps depuis le démarrage [HH:MM]</translation>
    </message>
</context>
<context>
    <name>CycleCurve</name>
    <message>
        <source>whole run</source>
        <translation>cycle complet</translation>
    </message>
    <message>
        <source>hold in detail</source>
        <translation>plateau en détail</translation>
    </message>
    <message>
        <source>elapsed h:mm</source>
        <translation>écoulé h:mm</translation>
    </message>
    <message>
        <source>No samples recorded</source>
        <translation>Aucune mesure enregistrée</translation>
    </message>
</context>
<context>
    <name>CycleDetailsDialog</name>
    <message>
        <source>Cycle</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Release history, oldest first</source>
        <translation>Historique des libérations, la plus ancienne en premier</translation>
    </message>
    <message>
        <source>Audit trail of this cycle</source>
        <translation>Journal d&apos;audit de ce cycle</translation>
    </message>
    <message>
        <source>Cycle %1 of %2</source>
        <translation>Cycle %1 de %2</translation>
    </message>
</context>
<context>
    <name>CycleImport</name>
    <message>
        <source>The folder cannot be read: %1</source>
        <translation>Le dossier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>It is no regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is too large to be a run log.</source>
        <translation>Le fichier est trop volumineux pour être un journal du cycle.</translation>
    </message>
    <message>
        <source>It cannot be read: %1</source>
        <translation>Le fichier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>%1 is no folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
</context>
<context>
    <name>CycleListModel</name>
    <message>
        <source>Started</source>
        <translation>Démarré</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Libération</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Poste</translation>
    </message>
</context>
<context>
    <name>CycleRegister</name>
    <message>
        <source>The folder of the register %1 cannot be made.</source>
        <translation>Le dossier du registre %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The connection %1 is in use already.</source>
        <translation>La connexion %1 est déjà utilisée.</translation>
    </message>
    <message>
        <source>Qt&apos;s database driver %1 is not installed (on Debian: the package %2).</source>
        <translation>Le pilote de base de données %1 de Qt n&apos;est pas installé (sous Debian : le paquet %2).</translation>
    </message>
    <message>
        <source>The database driver %1 is not supported.</source>
        <translation>Le pilote de base de données %1 n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>The register is not open.</source>
        <translation>Le registre n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>A cycle without a start time cannot be entered.</source>
        <translation>Un cycle sans heure de début ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>A cycle with a temperature that is not a number cannot be entered.</source>
        <translation>Un cycle dont une température n&apos;est pas un nombre ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>The new entry&apos;s ID was not returned.</source>
        <translation>L&apos;ID de la nouvelle entrée n&apos;a pas été renvoyé.</translation>
    </message>
    <message>
        <source>There is no entry %1.</source>
        <translation>L&apos;entrée %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The samples of entry %1 are missing.</source>
        <translation>Les mesures de l&apos;entrée %1 sont manquantes.</translation>
    </message>
    <message>
        <source>The samples of entry %1 are damaged: %2</source>
        <translation>Les mesures de l&apos;entrée %1 sont endommagées : %2</translation>
    </message>
</context>
<context>
    <name>CycleReport</name>
    <message>
        <source>%1 (no. %2)</source>
        <translation>%1 (n° %2)</translation>
    </message>
    <message>
        <source>recorded by the station</source>
        <translation>enregistré par le poste</translation>
    </message>
    <message>
        <source>recovered from the journal</source>
        <translation>récupéré depuis le journal</translation>
    </message>
    <message>
        <source>imported from a run log</source>
        <translation>importé d&apos;un journal du cycle</translation>
    </message>
    <message>
        <source>%1, adopted run</source>
        <translation>%1, cycle en cours repris</translation>
    </message>
    <message>
        <source>Controller %1</source>
        <translation>Régulateur %1</translation>
    </message>
    <message>
        <source>cycle %1</source>
        <translation>cycle %1</translation>
    </message>
    <message>
        <source>report generated %1</source>
        <translation>rapport généré le %1</translation>
    </message>
    <message>
        <source>Release history (continued)</source>
        <translation>Historique des libérations (suite)</translation>
    </message>
    <message>
        <source>%1  (current)</source>
        <translation>%1  (actuelle)</translation>
    </message>
    <message>
        <source>Comment: %1</source>
        <translation>Commentaire : %1</translation>
    </message>
    <message>
        <source>Sterilisation cycle record</source>
        <translation>Rapport de cycle de stérilisation</translation>
    </message>
    <message>
        <source>Cycle %1</source>
        <translation>Cycle %1</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Controller serial number</source>
        <translation>Numéro de série du régulateur</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Cycle number</source>
        <translation>Numéro de cycle</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>PROGRAM STEPS</source>
        <translation>ÉTAPES DU PROGRAMME</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>%1 samples</source>
        <translation>%1 mesures</translation>
    </message>
    <message>
        <source>Temperature curve</source>
        <translation>Courbe de température</translation>
    </message>
    <message>
        <source>%1; the band shaded over the hold, its longest stretch marked at the bottom</source>
        <translation>%1 ; la bande ombrée sur le plateau, sa plus longue séquence marquée en bas</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Libération</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 entrée</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, oldest first</source>
        <translation>
            <numerusform>%n entrée, la plus ancienne en premier</numerusform>
            <numerusform>%n entrées, la plus ancienne en premier</numerusform>
        </translation>
    </message>
    <message>
        <source>not released</source>
        <translation>non libéré</translation>
    </message>
    <message>
        <source>Continued on page %1</source>
        <translation>Suite en page %1</translation>
    </message>
    <message>
        <source>Integrity</source>
        <translation>Intégrité</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versions</translation>
    </message>
    <message>
        <source>Run log</source>
        <translation>Journal du cycle</translation>
    </message>
    <message>
        <source>Run log SHA-256</source>
        <translation>SHA-256 du journal du cycle</translation>
    </message>
    <message>
        <source>Register entry hash</source>
        <translation>Empreinte de l&apos;entrée du registre</translation>
    </message>
    <message>
        <source>Register position</source>
        <translation>Position dans le registre</translation>
    </message>
    <message>
        <source>station software %1, controller firmware %2</source>
        <translation>logiciel du poste %1, micrologiciel du régulateur %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>not entered in the register</source>
        <translation>non inscrit au registre</translation>
    </message>
    <message>
        <source>%1  (when printed; vaporin-records verify --witness)</source>
        <translation>%1  (à l&apos;impression ; vaporin-records verify --witness)</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Cycle %1, controller %2</source>
        <translation>Cycle %1, régulateur %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>All %1 samples: time since the recording began (h:mm:ss) and chamber temperature (°C), down each column</source>
        <translation>Les %1 mesures : temps depuis le début de l&apos;enregistrement (h:mm:ss) et température de la chambre (°C), colonne par colonne de haut en bas</translation>
    </message>
</context>
<context>
    <name>CycleSummary</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Waits for release</source>
        <translation>En attente de libération</translation>
    </message>
    <message>
        <source>Waits for no release</source>
        <translation>Ne nécessite pas de libération</translation>
    </message>
    <message>
        <source>recorded by the station</source>
        <translation>enregistré par le poste</translation>
    </message>
    <message>
        <source>recovered after the station was interrupted</source>
        <translation>récupéré après une interruption du poste</translation>
    </message>
    <message>
        <source>imported from a run log</source>
        <translation>importé d&apos;un journal du cycle</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Cycle number</source>
        <translation>Numéro de cycle</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Démarré</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>began after the program had started</source>
        <translation>commencé après le démarrage du programme</translation>
    </message>
    <message>
        <source>from the program&apos;s start</source>
        <translation>dès le démarrage du programme</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Version du logiciel</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>Fichier journal</translation>
    </message>
    <message>
        <source>Log SHA-256</source>
        <translation>SHA-256 du journal</translation>
    </message>
    <message>
        <source>Entered</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Place in the chain</source>
        <translation>Place dans la chaîne</translation>
    </message>
    <message>
        <source>Previous entry&apos;s hash</source>
        <translation>Empreinte de l&apos;entrée précédente</translation>
    </message>
    <message>
        <source>Entry hash</source>
        <translation>Empreinte de l&apos;entrée</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>CycleVerifier</name>
    <message>
        <source>The samples of %1 are missing.</source>
        <translation>Les mesures de l&apos;%1 sont manquantes.</translation>
    </message>
    <message>
        <source>The samples of %1 are damaged: %2</source>
        <translation>Les mesures de l&apos;%1 sont endommagées : %2</translation>
    </message>
    <message>
        <source>%1 should have %2 samples but has %3.</source>
        <translation>L&apos;%1 devrait avoir %2 mesures mais en a %3.</translation>
    </message>
    <message>
        <source>%1 has been altered.</source>
        <translation>L&apos;%1 a été modifiée.</translation>
    </message>
    <message>
        <source>%1 or its verdict has been altered.</source>
        <translation>L&apos;%1 ou son verdict a été modifié.</translation>
    </message>
    <message>
        <source>The verdict of %1 is missing.</source>
        <translation>Le verdict de l&apos;%1 est manquant.</translation>
    </message>
    <message>
        <source>The verdict of %1 is not what its samples give; it has been altered.</source>
        <translation>Le verdict de l&apos;%1 n&apos;est pas celui que donnent ses mesures ; il a été modifié.</translation>
    </message>
    <message>
        <source>The log %1 of %2 is missing.</source>
        <translation>Le journal %1 de l&apos;%2 est manquant.</translation>
    </message>
    <message>
        <source>The log %1 of %2 cannot be read: %3</source>
        <translation>Le journal %1 de l&apos;%2 ne peut pas être lu : %3</translation>
    </message>
    <message>
        <source>The log %1 of %2 has been altered.</source>
        <translation>Le journal %1 de l&apos;%2 a été modifié.</translation>
    </message>
    <message>
        <source>The audit event %1 (%2 at %3) has been altered.</source>
        <translation>L&apos;événement %1 du journal d&apos;audit (%2 à %3) a été modifié.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>entry %1 (controller %2, cycle %3, started %4)</source>
        <translation>entrée %1 (régulateur %2, cycle %3, démarré le %4)</translation>
    </message>
    <message>
        <source>Entries %1 to %2 of the chain of controller %3 before %4 are missing.</source>
        <translation>Les entrées %1 à %2 de la chaîne du régulateur %3 avant l&apos;%4 sont manquantes.</translation>
    </message>
    <message>
        <source>%1 does not follow the entry before it in its chain: entries were removed, inserted or reordered.</source>
        <translation>L&apos;%1 ne suit pas l&apos;entrée précédente de sa chaîne : des entrées ont été retirées, insérées ou réordonnées.</translation>
    </message>
    <message>
        <source>The chain of controller %1 has no head; its newest entry is %2.</source>
        <translation>La chaîne du régulateur %1 n&apos;a pas de tête ; son entrée la plus récente est l&apos;%2.</translation>
    </message>
    <message>
        <source>The newest entries %1 to %2 of the chain of controller %3 are missing; the newest left is %4.</source>
        <translation>Les entrées les plus récentes %1 à %2 de la chaîne du régulateur %3 sont manquantes ; la plus récente restante est l&apos;%4.</translation>
    </message>
    <message>
        <source>The head of the chain of controller %1 does not name its newest entry %2.</source>
        <translation>La tête de la chaîne du régulateur %1 ne nomme pas son entrée la plus récente, l&apos;%2.</translation>
    </message>
    <message numerus="yes">
        <source>All %n entries of the chain of controller %1 are missing.</source>
        <translation>
            <numerusform>L&apos;unique entrée de la chaîne du régulateur %1 est manquante.</numerusform>
            <numerusform>Les %n entrées de la chaîne du régulateur %1 sont toutes manquantes.</numerusform>
        </translation>
    </message>
    <message>
        <source>release %1 of %2</source>
        <translation>libération %1 de l&apos;%2</translation>
    </message>
    <message>
        <source>The %1 has been altered, or the entry or verdict it was made on.</source>
        <translation>La %1 a été modifiée, ou l&apos;entrée ou le verdict sur lesquels elle repose.</translation>
    </message>
    <message>
        <source>Releases %1 to %2 of %3 are missing.</source>
        <translation>Les libérations %1 à %2 de l&apos;%3 sont manquantes.</translation>
    </message>
    <message>
        <source>The %1 does not follow the release before it: releases were removed, inserted or reordered.</source>
        <translation>La %1 ne suit pas la libération précédente : des libérations ont été retirées, insérées ou réordonnées.</translation>
    </message>
    <message>
        <source>The release history of %1 has no head.</source>
        <translation>L&apos;historique des libérations de l&apos;%1 n&apos;a pas de tête.</translation>
    </message>
    <message>
        <source>The newest releases %1 to %2 of %3 are missing.</source>
        <translation>Les libérations les plus récentes %1 à %2 de l&apos;%3 sont manquantes.</translation>
    </message>
    <message>
        <source>The head of the release history of %1 does not name its newest release.</source>
        <translation>La tête de l&apos;historique des libérations de l&apos;%1 ne nomme pas sa libération la plus récente.</translation>
    </message>
    <message numerus="yes">
        <source>All %n releases of entry %1 are missing.</source>
        <translation>
            <numerusform>L&apos;unique libération de l&apos;entrée %1 est manquante.</numerusform>
            <numerusform>Les %n libérations de l&apos;entrée %1 sont toutes manquantes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DigitalStatus</name>
    <message>
        <source>Vaporin - Error</source>
        <translation>Vaporin - Erreur</translation>
    </message>
    <message>
        <source>Vaporin - Error </source>
        <translation>Vaporin - Erreur </translation>
    </message>
    <message>
        <source>Vaporin - Information</source>
        <translation>Vaporin - Information</translation>
    </message>
    <message>
        <source>Error flag! STS_ERROR</source>
        <translation>Indicateur d&apos;erreur ! STS_ERROR</translation>
    </message>
    <message>
        <source>Communication timeout.</source>
        <translation>Délai de communication dépassé.</translation>
    </message>
    <message>
        <source>The temperature sensor 1 is out of the allowed range.</source>
        <translation>Le capteur de température 1 est hors de la plage autorisée.</translation>
    </message>
    <message>
        <source>The program has been stopped manually by user.</source>
        <translation>Le programme a été arrêté manuellement par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Delta-T Error
The allowed temperature range of T-1/+2°C has been exceeded during holding time. Check if the temperature cable Check if the autoclave chamber is not out of water.</source>
        <translation>Erreur Delta-T
La plage de température autorisée de T-1/+2°C a été dépassée pendant le plateau. Vérifiez le câble de température et que la chambre de l&apos;autoclave n&apos;est pas à court d&apos;eau.</translation>
    </message>
    <message>
        <source>Heater Error
Maximum allowed temperature exceeded (143°C) OR targettemperature not be reached. Please check if temperaturesensor is working properly or autoclave chamber is not out ofwater.</source>
        <translation>Erreur de chauffage
Température maximale autorisée dépassée (143°C) OU température de consigne non atteinte. Vérifiez que le capteur de température fonctionne correctement et que la chambre de l&apos;autoclave n&apos;est pas à court d&apos;eau.</translation>
    </message>
    <message>
        <source>The program finished successfully.</source>
        <translation>Le programme s&apos;est terminé avec succès.</translation>
    </message>
    <message>
        <source>A program is already running.
Alert: The pdf file that will be created afterwards won&apos;t contain the previous temperatures.</source>
        <translation>Un programme est déjà en cours.
Attention : le fichier PDF créé ensuite ne contiendra pas les températures précédentes.</translation>
    </message>
    <message>
        <source>The temperature is too high.</source>
        <translation>La température est trop élevée.</translation>
    </message>
    <message>
        <source>The temperature is lower than the minimum allowed.</source>
        <translation>La température est inférieure au minimum autorisé.</translation>
    </message>
    <message>
        <source>An error was occured.</source>
        <translation>Une erreur s&apos;est produite.</translation>
    </message>
    <message>
        <source>The program was stopped because a critical error detected.</source>
        <translation>Le programme a été arrêté à cause d&apos;une erreur critique.</translation>
    </message>
    <message>
        <source>Error in temperature sensor. Most often this means the sensoris not plugged in into controller. Other possible reason: cablebreak.</source>
        <translation>Erreur du capteur de température. Le plus souvent, le capteur n&apos;est pas branché sur le régulateur. Autre cause possible : câble rompu.</translation>
    </message>
</context>
<context>
    <name>EditPorgramStepDialog</name>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>The time must be 0 to %1 minutes.</source>
        <translation>La durée doit être de 0 à %1 minutes.</translation>
    </message>
    <message>
        <source>The temperature must be %1 to %2 °C.</source>
        <translation>La température doit être de %1 à %2 °C.</translation>
    </message>
</context>
<context>
    <name>EraseReferenceDialog</name>
    <message>
        <source>Erase Reference</source>
        <translation>Supprimer la référence</translation>
    </message>
    <message>
        <source>Su&amp;pervisor:</source>
        <translation>Su&amp;perviseur :</translation>
    </message>
    <message>
        <source>Supervisor&apos;s P&amp;IN:</source>
        <translation>C&amp;ode PIN du superviseur :</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Erase the patient&apos;s reference from the use of pack %1 on %2? The use stays with its time and operator; the reference cannot be brought back.</source>
        <translation>Supprimer la référence patient de l&apos;utilisation de l&apos;emballage %1 le %2 ? L&apos;utilisation reste avec son heure et son opérateur ; la référence ne peut pas être récupérée.</translation>
    </message>
</context>
<context>
    <name>EventRow</name>
    <message>
        <source>The new event&apos;s ID was not returned.</source>
        <translation>L&apos;ID du nouvel événement n&apos;a pas été renvoyé.</translation>
    </message>
</context>
<context>
    <name>ExitQuestion</name>
    <message>
        <source>A program is running. The controller goes on with it, but the station stops recording this run: its log and its register entry end now with the status &quot;%1&quot;.
Exit anyway?</source>
        <translation>Un programme est en cours. Le régulateur le poursuit, mais le poste cesse d&apos;enregistrer ce cycle : son journal du cycle et son entrée au registre se terminent maintenant avec l&apos;état « %1 ».
Quitter quand même ?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Voulez-vous quitter ?</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>Roll, %1 x %2 mm</source>
        <translation>Rouleau, %1 x %2 mm</translation>
    </message>
    <message>
        <source>A4 sheet, 65 labels of 38.1 x 21.2 mm</source>
        <translation>Feuille A4, 65 étiquettes de 38,1 x 21,2 mm</translation>
    </message>
    <message>
        <source>Pack labels</source>
        <translation>Étiquettes d&apos;emballage</translation>
    </message>
    <message>
        <source>the labels could not be drawn</source>
        <translation>les étiquettes n&apos;ont pas pu être dessinées</translation>
    </message>
</context>
<context>
    <name>LanguageChooser</name>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Prend effet au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>LogFolder</name>
    <message>
        <source>Log Folder path is set to:
%1</source>
        <translation>Le dossier des journaux est :
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vaporin Regulon</source>
        <translation>Vaporin Regulon</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Select Program</source>
        <translation>Choisir le programme</translation>
    </message>
    <message>
        <source>Log Folder</source>
        <translation>Dossier des journaux</translation>
    </message>
    <message>
        <source>Log File Name</source>
        <translation>Nom du journal</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>Program Steps</source>
        <translation>Étapes du programme</translation>
    </message>
    <message>
        <source>ADD A STEP</source>
        <translation>AJOUTER UNE ÉTAPE</translation>
    </message>
    <message>
        <source>Program Name</source>
        <translation>Nom du programme</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RÉTABLIR</translation>
    </message>
    <message>
        <source>About us</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Vaporin, Example Street 1, 00000 Sample Town</source>
        <translation>Vaporin, Example Street 1, 00000 Sample Town</translation>
    </message>
    <message>
        <source>Tel. +00 000 000000</source>
        <translation>Tél. +00 000 000000</translation>
    </message>
    <message>
        <source>© Vaporin (sample maker). All rights reserved.</source>
        <translation>© Vaporin (fabricant exemple). Tous droits réservés.</translation>
    </message>
    <message>
        <source>Vaporin — sterilisation made simple</source>
        <translation>Vaporin — la stérilisation en toute simplicité</translation>
    </message>
    <message>
        <source>Vaporin builds table-top steam autoclaves for medical practices, dental clinics and laboratories.</source>
        <translation>Vaporin construit des autoclaves à vapeur de table pour les cabinets médicaux, les cabinets dentaires et les laboratoires.</translation>
    </message>
    <message>
        <source>Our autoclaves sterilise instruments with saturated steam in programs that are easy to choose and safe to run.</source>
        <translation>Nos autoclaves stérilisent les instruments à la vapeur saturée, avec des programmes faciles à choisir et sûrs à exécuter.</translation>
    </message>
    <message>
        <source>Every cycle is watched by the Regulon controller, and this station keeps a record of each run.</source>
        <translation>Chaque cycle est surveillé par le régulateur Regulon, et ce poste garde un enregistrement de chaque cycle.</translation>
    </message>
    <message>
        <source>Find out more at www.vaporin.example</source>
        <translation>En savoir plus sur www.vaporin.example</translation>
    </message>
    <message>
        <source>Contact us with E-mail</source>
        <translation>Nous contacter par e-mail</translation>
    </message>
    <message>
        <source>Check if there is an Update</source>
        <translation>Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>More products</source>
        <translation>Autres produits</translation>
    </message>
    <message>
        <source>Program %1</source>
        <translation>Programme %1</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Records (%1)</source>
        <translation>Registre (%1)</translation>
    </message>
    <message>
        <source>Select Log Directory</source>
        <translation>Choisir le dossier des journaux</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉMARRER</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <source>Do you want to stop the running program?</source>
        <translation>Voulez-vous arrêter le programme en cours ?</translation>
    </message>
    <message>
        <source>
The station keeps the record and offers to save it again at its next start.</source>
        <translation>
Le poste conserve l&apos;enregistrement et propose de l&apos;enregistrer à nouveau au prochain démarrage.</translation>
    </message>
    <message>
        <source>The run log was NOT saved.
Result of the run: %1</source>
        <translation>Le journal du cycle n&apos;a PAS été enregistré.
Résultat du cycle : %1</translation>
    </message>
    <message>
        <source>A program is already running.
Do you want to start recording temperature?
Alert: The file that will be created afterwards won&apos;t contain the previous temperatures.</source>
        <translation>Un programme est déjà en cours.
Voulez-vous commencer à enregistrer la température ?
Attention : le fichier créé ensuite ne contiendra pas les températures précédentes.</translation>
    </message>
    <message>
        <source>Finished because of an error</source>
        <translation>Terminé à cause d&apos;une erreur</translation>
    </message>
    <message>
        <source>Do you want to save anyway?</source>
        <translation>Voulez-vous enregistrer quand même ?</translation>
    </message>
    <message>
        <source>Program %1 &quot;%2&quot; saved to the controller.</source>
        <translation>Programme %1 « %2 » enregistré dans le régulateur.</translation>
    </message>
    <message>
        <source>Program finished! Saved to %1.txt</source>
        <translation>Programme terminé ! Enregistré sous %1.txt</translation>
    </message>
    <message>
        <source>Program cancelled! Saved to %1.txt</source>
        <translation>Programme annulé ! Enregistré sous %1.txt</translation>
    </message>
    <message>
        <source>Connection lost! Program cancelled! Saved to %1.txt</source>
        <translation>Connexion perdue ! Programme annulé ! Enregistré sous %1.txt</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Enregistrement...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Connecton Lost</source>
        <translation>Connexion perdue</translation>
    </message>
    <message>
        <source>The program has been modified.</source>
        <translation>Le programme a été modifié.</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Voulez-vous enregistrer vos modifications ?</translation>
    </message>
    <message>
        <source>No step!</source>
        <translation>Aucune étape !</translation>
    </message>
    <message>
        <source>Must be at least 1 step.</source>
        <translation>Il faut au moins 1 étape.</translation>
    </message>
    <message>
        <source>Invalid Program!</source>
        <translation>Programme non valide !</translation>
    </message>
    <message>
        <source>The temperature of the last step must be less than 80.0°C.</source>
        <translation>La température de la dernière étape doit être inférieure à 80,0°C.</translation>
    </message>
    <message>
        <source>Add a cooling step at 80.0 °C or below as the last step.</source>
        <translation>Ajoutez comme dernière étape une étape de refroidissement à 80,0 °C ou moins.</translation>
    </message>
    <message>
        <source>Sensor Error! Please restart the controller!</source>
        <translation>Erreur de capteur ! Veuillez redémarrer le régulateur !</translation>
    </message>
    <message>
        <source>Sensor Error! Please restart the controller!
Saved to %1.txt</source>
        <translation>Erreur de capteur ! Veuillez redémarrer le régulateur !
Enregistré sous %1.txt</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Do you want to start %1 program?</source>
        <translation>Voulez-vous démarrer le programme %1 ?</translation>
    </message>
</context>
<context>
    <name>NoFollowFile</name>
    <message>
        <source>%1 is a symbolic link. The station writes no record through a link; remove the link or choose another name.</source>
        <translation>%1 est un lien symbolique. Le poste n&apos;écrit aucun enregistrement à travers un lien ; supprimez le lien ou choisissez un autre nom.</translation>
    </message>
</context>
<context>
    <name>OperatorAccounts</name>
    <message>
        <source>There is no operator &quot;%1&quot;.</source>
        <translation>L&apos;opérateur « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The account of %1 is deactivated.</source>
        <translation>Le compte de %1 est désactivé.</translation>
    </message>
    <message>
        <source>There is no such operator.</source>
        <translation>Cet opérateur n&apos;existe pas.</translation>
    </message>
    <message>
        <source>An operator&apos;s name has 1 to 80 characters, without line breaks.</source>
        <translation>Le nom d&apos;un opérateur compte de 1 à 80 caractères, sans saut de ligne.</translation>
    </message>
    <message>
        <source>Initials have 1 to 5 characters.</source>
        <translation>Les initiales comptent de 1 à 5 caractères.</translation>
    </message>
    <message>
        <source>There is an operator &quot;%1&quot; already.</source>
        <translation>L&apos;opérateur « %1 » existe déjà.</translation>
    </message>
    <message>
        <source>The PIN could not be hashed.</source>
        <translation>L&apos;empreinte du code PIN n&apos;a pas pu être calculée.</translation>
    </message>
    <message>
        <source>Another account was made meanwhile: try again.</source>
        <translation>Un autre compte a été créé entre-temps : réessayez.</translation>
    </message>
    <message>
        <source>The register keeps at least one active supervisor.</source>
        <translation>Le registre conserve au moins un superviseur actif.</translation>
    </message>
    <message numerus="yes">
        <source>The account of %1 is locked after %n wrong PINs until %2.</source>
        <translation>
            <numerusform>Le compte de %1 est verrouillé jusqu&apos;à %2 après %n code PIN erroné.</numerusform>
            <numerusform>Le compte de %1 est verrouillé jusqu&apos;à %2 après %n codes PIN erronés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrong PIN. The account of %1 is locked for %n minutes.</source>
        <translation>
            <numerusform>Code PIN erroné. Le compte de %1 est verrouillé pendant %n minute.</numerusform>
            <numerusform>Code PIN erroné. Le compte de %1 est verrouillé pendant %n minutes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrong PIN for %1: %n more attempts before the account is locked.</source>
        <translation>
            <numerusform>Code PIN erroné pour %1 : encore %n essai avant le verrouillage du compte.</numerusform>
            <numerusform>Code PIN erroné pour %1 : encore %n essais avant le verrouillage du compte.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is no supervisor: only a supervisor signs this.</source>
        <translation>%1 n&apos;est pas superviseur : seul un superviseur signe ceci.</translation>
    </message>
</context>
<context>
    <name>OperatorsDialog</name>
    <message>
        <source>Operators</source>
        <translation>Opérateurs</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Initials:</source>
        <translation>&amp;Initiales :</translation>
    </message>
    <message>
        <source>&amp;Role:</source>
        <translation>&amp;Rôle :</translation>
    </message>
    <message>
        <source>A&amp;ctive</source>
        <translation>A&amp;ctif</translation>
    </message>
    <message>
        <source>New &amp;PIN:</source>
        <translation>Nouveau code &amp;PIN :</translation>
    </message>
    <message>
        <source>For a new account or a PIN reset; at least 4 characters</source>
        <translation>Pour un nouveau compte ou la réinitialisation du code PIN ; au moins 4 caractères</translation>
    </message>
    <message>
        <source>Signed by a supervisor</source>
        <translation>Signé par un superviseur</translation>
    </message>
    <message>
        <source>&amp;Supervisor:</source>
        <translation>&amp;Superviseur :</translation>
    </message>
    <message>
        <source>Supervisor&apos;s P&amp;IN:</source>
        <translation>C&amp;ode PIN du superviseur :</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Save &amp;changes</source>
        <translation>Enregistrer les &amp;modifications</translation>
    </message>
    <message>
        <source>&amp;Reset PIN</source>
        <translation>Réini&amp;tialiser le code PIN</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Superviseur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Initials</source>
        <translation>Initiales</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>active</source>
        <translation>actif</translation>
    </message>
    <message>
        <source>deactivated</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>No accounts yet: the first one made is a supervisor and needs no signature.</source>
        <translation>Aucun compte pour l&apos;instant : le premier créé est un superviseur et ne demande aucune signature.</translation>
    </message>
    <message numerus="yes">
        <source>%n accounts.</source>
        <translation>
            <numerusform>%n compte.</numerusform>
            <numerusform>%n comptes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PackLabel</name>
    <message>
        <source>the barcode library is out of memory</source>
        <translation>la bibliothèque de codes-barres manque de mémoire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be encoded</source>
        <translation>« %1 » ne peut pas être encodé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gave no bars</source>
        <translation>« %1 » n&apos;a donné aucune barre</translation>
    </message>
    <message>
        <source>Ster. %1  Exp. %2</source>
        <translation>Stér. %1  Pér. %2</translation>
    </message>
</context>
<context>
    <name>PackStore</name>
    <message>
        <source>A pack type&apos;s name has 1 to 60 characters.</source>
        <translation>Le nom d&apos;un type d&apos;emballage compte de 1 à 60 caractères.</translation>
    </message>
    <message>
        <source>A shelf life is 1 to %1 days.</source>
        <translation>Une durée de conservation est de 1 à %1 jours.</translation>
    </message>
    <message>
        <source>A load has 1 to %1 packs.</source>
        <translation>Une charge compte de 1 à %1 emballages.</translation>
    </message>
    <message>
        <source>There is no entry %1.</source>
        <translation>L&apos;entrée %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Labels are printed only for a cycle whose load is released.</source>
        <translation>Les étiquettes ne sont imprimées que pour un cycle dont la charge est libérée.</translation>
    </message>
</context>
<context>
    <name>PackTypesDialog</name>
    <message>
        <source>Pack Types</source>
        <translation>Types d&apos;emballage</translation>
    </message>
    <message>
        <source>Pack type</source>
        <translation>Type d&apos;emballage</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>A new type, or one of the list to change its shelf life</source>
        <translation>Un nouveau type, ou un type de la liste pour changer sa durée de conservation</translation>
    </message>
    <message>
        <source>&amp;Shelf life:</source>
        <translation>Durée de &amp;conservation :</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Labels printed from now on expire this many days after sterilisation; labels printed before keep their date</source>
        <translation>Les étiquettes imprimées dorénavant expirent ce nombre de jours après la stérilisation ; les étiquettes imprimées avant gardent leur date</translation>
    </message>
    <message>
        <source>Signed by a supervisor</source>
        <translation>Signé par un superviseur</translation>
    </message>
    <message>
        <source>Su&amp;pervisor:</source>
        <translation>Su&amp;perviseur :</translation>
    </message>
    <message>
        <source>Supervisor&apos;s P&amp;IN:</source>
        <translation>C&amp;ode PIN du superviseur :</translation>
    </message>
    <message>
        <source>Sa&amp;ve type</source>
        <translation>&amp;Enregistrer le type</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type d&apos;emballage</translation>
    </message>
    <message>
        <source>Shelf life (days)</source>
        <translation>Durée de conservation (jours)</translation>
    </message>
    <message>
        <source>Only a supervisor changes pack types: make the first account, a supervisor, with Operators... first.</source>
        <translation>Seul un superviseur modifie les types d&apos;emballage : créez d&apos;abord le premier compte, un superviseur, avec Opérateurs...</translation>
    </message>
    <message numerus="yes">
        <source>No types yet: every pack keeps %n days unless its type says otherwise.</source>
        <translation>
            <numerusform>Pas encore de types : chaque emballage se conserve %n jour, sauf si son type en dispose autrement.</numerusform>
            <numerusform>Pas encore de types : chaque emballage se conserve %n jours, sauf si son type en dispose autrement.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A type not listed keeps %n days.</source>
        <translation>
            <numerusform>Un type absent de la liste se conserve %n jour.</numerusform>
            <numerusform>Un type absent de la liste se conserve %n jours.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PackUses</name>
    <message>
        <source>The register knows no pack of this code.</source>
        <translation>Le registre ne connaît aucun emballage portant ce code.</translation>
    </message>
    <message>
        <source>The pack %1 is recalled: its cycle was found faulty after its release. Take it out of use.</source>
        <translation>L&apos;emballage %1 est rappelé : son cycle s&apos;est révélé défectueux après sa libération. Retirez-le de l&apos;utilisation.</translation>
    </message>
    <message>
        <source>The load of the pack %1 is not released (%2).</source>
        <translation>La charge de l&apos;emballage %1 n&apos;est pas libérée (%2).</translation>
    </message>
    <message>
        <source>no release</source>
        <translation>aucune libération</translation>
    </message>
    <message>
        <source>The pack %1 expired on %2.</source>
        <translation>L&apos;emballage %1 est périmé depuis le %2.</translation>
    </message>
    <message>
        <source>The pack %1 was used already.</source>
        <translation>L&apos;emballage %1 a déjà été utilisé.</translation>
    </message>
    <message>
        <source>Scan or type the pack&apos;s code.</source>
        <translation>Scannez ou saisissez le code d&apos;emballage.</translation>
    </message>
    <message>
        <source>Give the patient&apos;s or case&apos;s reference.</source>
        <translation>Indiquez la référence patient ou du dossier.</translation>
    </message>
    <message>
        <source>Name the operator.</source>
        <translation>Indiquez l&apos;opérateur.</translation>
    </message>
    <message>
        <source>Say in the comment why it is used all the same.</source>
        <translation>Indiquez dans le commentaire pourquoi il est utilisé malgré tout.</translation>
    </message>
    <message>
        <source>The packs cannot be read.</source>
        <translation>Les emballages ne peuvent pas être lus.</translation>
    </message>
    <message>
        <source>There is no use %1.</source>
        <translation>L&apos;utilisation %1 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>PackVerifier</name>
    <message>
        <source>%1 does not match its hash</source>
        <translation>%1 : ne correspond pas à son empreinte</translation>
    </message>
    <message>
        <source>operator account %1</source>
        <translation>compte opérateur %1</translation>
    </message>
    <message>
        <source>pack %1</source>
        <translation>emballage %1</translation>
    </message>
    <message>
        <source>use %1 of pack %2</source>
        <translation>utilisation %1 de l&apos;emballage %2</translation>
    </message>
    <message>
        <source>operator account %1 is not as its newest change made it</source>
        <translation>compte opérateur %1 : ne correspond pas à sa dernière modification</translation>
    </message>
</context>
<context>
    <name>PacksView</name>
    <message>
        <source>Use at the chair</source>
        <translation>Utilisation au fauteuil</translation>
    </message>
    <message>
        <source>Patient or case &amp;reference:</source>
        <translation>&amp;Référence patient ou dossier :</translation>
    </message>
    <message>
        <source>The chart number as the practice writes it; no names needed</source>
        <translation>Le numéro de dossier tel que le cabinet l&apos;écrit ; aucun nom nécessaire</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>&amp;Opérateur :</translation>
    </message>
    <message>
        <source>Pack &amp;code:</source>
        <translation>&amp;Code d&apos;emballage :</translation>
    </message>
    <message>
        <source>Scan the pack&apos;s label, or type its code and press Enter</source>
        <translation>Scannez l&apos;étiquette de l&apos;emballage, ou saisissez son code et appuyez sur Entrée</translation>
    </message>
    <message>
        <source>Co&amp;mment:</source>
        <translation>Co&amp;mmentaire :</translation>
    </message>
    <message>
        <source>Why the pack is used all the same</source>
        <translation>Pourquoi l&apos;emballage est utilisé malgré tout</translation>
    </message>
    <message>
        <source>&amp;Use all the same</source>
        <translation>&amp;Utiliser malgré tout</translation>
    </message>
    <message>
        <source>Labels and recall of the chosen cycle</source>
        <translation>Étiquettes et rappel du cycle choisi</translation>
    </message>
    <message>
        <source>&amp;Packs:</source>
        <translation>&amp;Emballages :</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format :</translation>
    </message>
    <message>
        <source>First free &amp;position:</source>
        <translation>Première &amp;position libre :</translation>
    </message>
    <message>
        <source>Print &amp;labels...</source>
        <translation>Imprimer les éti&amp;quettes...</translation>
    </message>
    <message>
        <source>Labels as P&amp;DF...</source>
        <translation>Étiquettes en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Recall report...</source>
        <translation>Rapport de r&amp;appel...</translation>
    </message>
    <message>
        <source>Expired or expiring, not used: reprocess</source>
        <translation>Périmé ou bientôt périmé, non utilisé : à retraiter</translation>
    </message>
    <message>
        <source>Op&amp;erators...</source>
        <translation>Opérateur&amp;s...</translation>
    </message>
    <message>
        <source>The operator accounts who sign releases</source>
        <translation>Les comptes des opérateurs qui signent les libérations</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>Actua&amp;liser</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Instrument pouch</source>
        <translation>Sachet d&apos;instruments</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type d&apos;emballage</translation>
    </message>
    <message>
        <source>Expires</source>
        <translation>Péremption</translation>
    </message>
    <message>
        <source>Choose a cycle in the list of cycles.</source>
        <translation>Choisissez un cycle dans la liste des cycles.</translation>
    </message>
    <message>
        <source>Cycle %1 of %2: %3.</source>
        <translation>Cycle %1 de %2 : %3.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>released, labels can be printed</source>
        <translation>libéré, les étiquettes peuvent être imprimées</translation>
    </message>
    <message>
        <source>not released</source>
        <translation>non libéré</translation>
    </message>
    <message>
        <source>Give the patient&apos;s or case&apos;s reference first.</source>
        <translation>Indiquez d&apos;abord la référence patient ou dossier.</translation>
    </message>
    <message>
        <source>%1 entered as used at %2 by %3.</source>
        <translation>%1 enregistré comme utilisé à %2 par %3.</translation>
    </message>
    <message>
        <source>Pack labels</source>
        <translation>Étiquettes d&apos;emballage</translation>
    </message>
    <message>
        <source>Save Labels</source>
        <translation>Enregistrer les étiquettes</translation>
    </message>
    <message>
        <source>labels %1-%2.pdf</source>
        <translation>étiquettes %1-%2.pdf</translation>
    </message>
    <message>
        <source>Entering the packs…</source>
        <translation>Enregistrement des emballages…</translation>
    </message>
    <message>
        <source>No labels were made: %1</source>
        <translation>Aucune étiquette n&apos;a été créée : %1</translation>
    </message>
    <message>
        <source>The packs %1 to %2 are entered, but their labels were not printed: %3</source>
        <translation>Les emballages %1 à %2 sont enregistrés, mais leurs étiquettes n&apos;ont pas été imprimées : %3</translation>
    </message>
    <message>
        <source>%1 labels, %2 to %3.</source>
        <translation>%1 étiquettes, de %2 à %3.</translation>
    </message>
    <message>
        <source>Save Recall Report</source>
        <translation>Enregistrer le rapport de rappel</translation>
    </message>
    <message>
        <source>recall %1-%2.pdf</source>
        <translation>rappel %1-%2.pdf</translation>
    </message>
    <message>
        <source>The recall report is saved.</source>
        <translation>Le rapport de rappel est enregistré.</translation>
    </message>
    <message>
        <source>Who opens the pack; type the first letters to choose</source>
        <translation>Qui ouvre l&apos;emballage ; tapez les premières lettres pour choisir</translation>
    </message>
    <message>
        <source>Pack t&amp;ypes...</source>
        <translation>T&amp;ypes d&apos;emballage...</translation>
    </message>
    <message>
        <source>The clinic&apos;s pack types and their shelf lives</source>
        <translation>Les types d&apos;emballage du cabinet et leurs durées de conservation</translation>
    </message>
    <message>
        <source>Choose the operator first.</source>
        <translation>Choisissez d&apos;abord l&apos;opérateur.</translation>
    </message>
</context>
<context>
    <name>PeriodReport</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Régulateur</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Latest release</source>
        <translation>Dernière libération</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>not released</source>
        <translation>non libéré</translation>
    </message>
    <message>
        <source>Period report %1</source>
        <translation>Rapport de période %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cycles</source>
        <translation>
            <numerusform>%n cycle</numerusform>
            <numerusform>%n cycles</numerusform>
        </translation>
    </message>
    <message>
        <source>generated %1</source>
        <translation>généré le %1</translation>
    </message>
    <message>
        <source>Cycle register: period report</source>
        <translation>Registre des cycles : rapport de période</translation>
    </message>
    <message>
        <source>Report generated %1</source>
        <translation>Rapport généré le %1</translation>
    </message>
    <message>
        <source>No cycles in this period.</source>
        <translation>Aucun cycle sur cette période.</translation>
    </message>
    <message>
        <source>Cycles %1 (continued)</source>
        <translation>Cycles %1 (suite)</translation>
    </message>
    <message>
        <source>Register positions when printed: %1</source>
        <translation>Positions du registre à l&apos;impression : %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Synthèse</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Not released</source>
        <translation>Non libéré</translation>
    </message>
    <message>
        <source>newest release per cycle; reasons under every verdict but %1</source>
        <translation>dernière libération par cycle ; motif sous chaque verdict sauf %1</translation>
    </message>
</context>
<context>
    <name>PinHash</name>
    <message>
        <source>A PIN has at least %1 characters.</source>
        <translation>Un code PIN compte au moins %1 caractères.</translation>
    </message>
</context>
<context>
    <name>PinReader</name>
    <message>
        <source>A PIN is needed: run the command at a terminal, or give --pin-stdin and the PIN on standard input</source>
        <translation>Un code PIN est nécessaire : lancez la commande dans un terminal, ou donnez --pin-stdin et le code PIN sur l&apos;entrée standard</translation>
    </message>
    <message>
        <source>No PIN was given on standard input</source>
        <translation>Aucun code PIN n&apos;a été donné sur l&apos;entrée standard</translation>
    </message>
</context>
<context>
    <name>ProgramMemory</name>
    <message>
        <source>The program was not read completely from the controller. Please read the programs again before saving.</source>
        <translation>Le programme n&apos;a pas été lu entièrement depuis le régulateur. Relisez les programmes avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>The program name is longer than %1 characters.</source>
        <translation>Le nom du programme dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>A program has at most %1 steps; this one has %2.</source>
        <translation>Un programme a au plus %1 étapes ; celui-ci en a %2.</translation>
    </message>
    <message>
        <source>Step %1: the time must be between 0 and %2 minutes.</source>
        <translation>Étape %1 : la durée doit être comprise entre 0 et %2 minutes.</translation>
    </message>
    <message>
        <source>Step %1: the temperature must be between 0 and %2 °C.</source>
        <translation>Étape %1 : la température doit être comprise entre 0 et %2 °C.</translation>
    </message>
</context>
<context>
    <name>ProgramStepItem</name>
    <message>
        <source>Step %1</source>
        <translation>Étape %1</translation>
    </message>
    <message>
        <source>%1 minutes at %2 °C</source>
        <translation>%1 minutes à %2 °C</translation>
    </message>
</context>
<context>
    <name>ReadingWatch</name>
    <message>
        <source>no reading since %1</source>
        <translation>aucune mesure depuis %1</translation>
    </message>
</context>
<context>
    <name>RecallReport</name>
    <message>
        <source>Recall report, generated %1</source>
        <translation>Rapport de rappel, généré le %1</translation>
    </message>
    <message>
        <source>Cycle register: recall report</source>
        <translation>Registre des cycles : rapport de rappel</translation>
    </message>
    <message>
        <source>Cycle %1</source>
        <translation>Cycle %1</translation>
    </message>
    <message>
        <source>Recall of cycle %1</source>
        <translation>Rappel du cycle %1</translation>
    </message>
    <message>
        <source>(erased)</source>
        <translation>(effacée)</translation>
    </message>
    <message>
        <source>Used: the patients treated with a pack of this load</source>
        <translation>Utilisés : les patients traités avec un emballage de cette charge</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Emballage</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type d&apos;emballage</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence patient</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Not used: take these packs from the shelves</source>
        <translation>Non utilisés : retirer ces emballages des étagères</translation>
    </message>
    <message>
        <source>Expires</source>
        <translation>Péremption</translation>
    </message>
    <message>
        <source>controller %1</source>
        <translation>régulateur %1</translation>
    </message>
</context>
<context>
    <name>RecordTransfer</name>
    <message>
        <source>%1 does not match its hash: it is not carried.</source>
        <translation>%1 ne correspond pas à son empreinte : pas de transfert.</translation>
    </message>
    <message>
        <source>The operator account %1 is gone from the register.</source>
        <translation>Le compte opérateur %1 a disparu du registre.</translation>
    </message>
    <message>
        <source>The operator account %1</source>
        <translation>Le compte opérateur %1</translation>
    </message>
    <message>
        <source>The pack %1 is gone from the register.</source>
        <translation>L&apos;emballage %1 a disparu du registre.</translation>
    </message>
    <message>
        <source>The pack %1</source>
        <translation>L&apos;emballage %1</translation>
    </message>
    <message>
        <source>The entry of the pack %1 is not in the register it goes to.</source>
        <translation>L&apos;entrée de l&apos;emballage %1 n&apos;est pas dans le registre de destination.</translation>
    </message>
    <message>
        <source>The use %1 is gone from the register.</source>
        <translation>L&apos;utilisation %1 a disparu du registre.</translation>
    </message>
    <message>
        <source>The use %1 of the pack %2</source>
        <translation>L&apos;utilisation %1 de l&apos;emballage %2</translation>
    </message>
</context>
<context>
    <name>RecordsCommandLine</name>
    <message>
        <source>Say the format: --csv</source>
        <translation>Indiquez le format : --csv</translation>
    </message>
    <message>
        <source>--witness-file &quot;%1&quot; cannot be read: %2</source>
        <translation>--witness-file « %1 » ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The witness &quot;%1&quot; is no register position (of the form RG100001 #1234 d0fb04d1c3a2b4e5)</source>
        <translation>Le témoin « %1 » n&apos;est pas une position du registre (de la forme RG100001 #1234 d0fb04d1c3a2b4e5)</translation>
    </message>
    <message>
        <source>Witnesses are checked against the register, not against files</source>
        <translation>Les témoins sont vérifiés par rapport au registre, pas par rapport à des fichiers</translation>
    </message>
    <message>
        <source>--tsa-certificate goes with the whole register&apos;s verification, not with files</source>
        <translation>--tsa-certificate va avec la vérification de tout le registre, pas avec des fichiers</translation>
    </message>
    <message>
        <source>The hold is missing: --hold T:M</source>
        <translation>Le plateau est manquant : --hold T:M</translation>
    </message>
    <message>
        <source>The PDF file is missing: --pdf FILE</source>
        <translation>Le fichier PDF est manquant : --pdf FILE</translation>
    </message>
    <message>
        <source>Give either an ID or a period</source>
        <translation>Donnez soit un ID, soit une période</translation>
    </message>
    <message>
        <source>Give an ID, or a period with --from and --to</source>
        <translation>Donnez un ID, ou une période avec --from et --to</translation>
    </message>
    <message>
        <source>Name the operator: --operator NAME</source>
        <translation>Indiquez l&apos;opérateur : --operator NAME</translation>
    </message>
    <message>
        <source>The decision is missing: --decision released|rejected|quarantined|recalled</source>
        <translation>La décision est manquante : --decision released|rejected|quarantined|recalled</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is no number from %3 to %4</source>
        <translation>--%1 « %2 » n&apos;est pas un nombre de %3 à %4</translation>
    </message>
    <message>
        <source>The number of packs is missing: --packs N</source>
        <translation>Le nombre d&apos;emballages est manquant : --packs N</translation>
    </message>
    <message>
        <source>The pack type is missing: --type NAME</source>
        <translation>Le type d&apos;emballage est manquant : --type NAME</translation>
    </message>
    <message>
        <source>The patient&apos;s or case&apos;s reference is missing: --reference REF</source>
        <translation>La référence patient ou du dossier est manquante : --reference REF</translation>
    </message>
    <message>
        <source>The CSV file is missing: --csv FILE</source>
        <translation>Le fichier CSV est manquant : --csv FILE</translation>
    </message>
    <message>
        <source>Too many arguments</source>
        <translation>Trop d&apos;arguments</translation>
    </message>
    <message>
        <source>Give a type with its shelf life, NAME --days N, or neither</source>
        <translation>Donnez un type avec sa durée de conservation, NAME --days N, ou aucun des deux</translation>
    </message>
    <message>
        <source>A supervisor signs the erasure: --by NAME</source>
        <translation>Un superviseur signe l&apos;effacement : --by NAME</translation>
    </message>
    <message>
        <source>--role &quot;%1&quot; is none of operator|supervisor</source>
        <translation>--role « %1 » n&apos;est aucun de operator|supervisor</translation>
    </message>
    <message>
        <source>A new account takes --initials, --role and --by</source>
        <translation>Un nouveau compte prend --initials, --role et --by</translation>
    </message>
    <message>
        <source>The initials are missing: --initials TEXT</source>
        <translation>Les initiales sont manquantes : --initials TEXT</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of add|change|reset-pin</source>
        <translation>« %1 » n&apos;est aucun de add|change|reset-pin</translation>
    </message>
    <message>
        <source>A supervisor signs the change: --by NAME</source>
        <translation>Un superviseur signe la modification : --by NAME</translation>
    </message>
    <message>
        <source>reset-pin takes only --by</source>
        <translation>reset-pin ne prend que --by</translation>
    </message>
    <message>
        <source>Give --activate or --deactivate, not both</source>
        <translation>Donnez --activate ou --deactivate, pas les deux</translation>
    </message>
    <message>
        <source>Say where to: --to postgresql://...</source>
        <translation>Indiquez la destination : --to postgresql://...</translation>
    </message>
    <message>
        <source>--status takes no folder</source>
        <translation>--status ne prend pas de dossier</translation>
    </message>
    <message>
        <source>--logs needs a folder</source>
        <translation>--logs demande un dossier</translation>
    </message>
    <message>
        <source>%1. See vaporin-records --help</source>
        <translation>%1. Voir vaporin-records --help</translation>
    </message>
    <message>
        <source>--register needs a file name or a connection URI</source>
        <translation>--register demande un nom de fichier ou une URI de connexion</translation>
    </message>
    <message>
        <source>No command given</source>
        <translation>Aucune commande donnée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command</source>
        <translation>« %1 » n&apos;est pas une commande</translation>
    </message>
    <message>
        <source>--%1 does not go with %2</source>
        <translation>--%1 ne va pas avec %2</translation>
    </message>
    <message>
        <source>--%1 is given twice</source>
        <translation>--%1 est donné deux fois</translation>
    </message>
    <message>
        <source>An argument is missing</source>
        <translation>Un argument est manquant</translation>
    </message>
    <message>
        <source>Too many arguments: %1</source>
        <translation>Trop d&apos;arguments : %1</translation>
    </message>
    <message>
        <source>%1. Usage: vaporin-records %2</source>
        <translation>%1. Usage : vaporin-records %2</translation>
    </message>
    <message>
        <source>The ID &quot;%1&quot; is no entry&apos;s ID (a whole number from 1, as list shows it)</source>
        <translation>L&apos;ID « %1 » n&apos;est pas l&apos;ID d&apos;une entrée (un nombre entier à partir de 1, tel que list l&apos;affiche)</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is no date of the form yyyy-MM-dd</source>
        <translation>--%1 « %2 » n&apos;est pas une date de la forme yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--from %1 is after --to %2</source>
        <translation>--from %1 est après --to %2</translation>
    </message>
    <message>
        <source>--hold &quot;%1&quot; is no hold: give T:M, the temperature in °C (0 to %2) and the minutes (0 to %3), e.g. 121:20</source>
        <translation>--hold « %1 » n&apos;est pas un plateau : donnez T:M, la température en °C (0 à %2) et les minutes (0 à %3), p. ex. 121:20</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is no tolerance: give kelvin from 0 to %3, e.g. 0.5</source>
        <translation>--%1 « %2 » n&apos;est pas une tolérance : donnez des kelvins de 0 à %3, p. ex. 0.5</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is none of %3</source>
        <translation>--%1 « %2 » n&apos;est aucun de %3</translation>
    </message>
    <message>
        <source>Usage: vaporin-records [--register FILE|URI] COMMAND [ARGUMENTS]

The records tool of the Vaporin Regulon station: imports run logs into the
cycle register, lists and exports its cycles, verifies that nothing in it or
in its logs was altered, and gives verdicts and reports.

It works on the station&apos;s register or on the one given with --register:
a register FILE, or a database on a PostgreSQL server as a connection URI,
postgresql://[user@][host][:port][/database][?name=value&amp;...] (the host may
be the folder of a Unix socket: ?host=/var/run/postgresql). The station&apos;s
register is the one its settings name: register/driver sqlite (the default)
means the file of the setting register_path, otherwise register.sqlite in
the station&apos;s data folder; postgresql means the server of register/host,
register/port, register/database and register/user. A password is never
given on the command line or in the settings: libpq takes it from
PGPASSWORD or the password file ~/.pgpass. Only import makes a register
file that does not exist yet; a server&apos;s database must exist, and its
tables are made when the tool first works on it.

Commands:
  import FOLDER
      Enters the run logs in FOLDER and its subfolders. Prints the number of
      logs imported, already present (the same content, whatever the file
      name), differing from their entry (a cycle the register holds, the
      same controller, cycle number and start, with another log; not
      entered) and unreadable, each differing or unreadable file with the
      entry or the reason. Exit status 0, or 1 when files were differing
      or unreadable.

  list [--from DATE] [--to DATE] [--program NAME] [--csv]
      The cycles, newest first, as an aligned table (ID, start, program,
      cycle number, controller, status, origin, verdict, release) or as
      CSV. The verdict is PASS, FAIL or NOT EVALUATED as the register
      stored it; the release is the newest decision (Released, Rejected,
      Quarantined), &quot;waiting&quot; for a cycle the station recorded that has
      none yet, or &quot;-&quot; (imported logs and discarded runs wait for none).
      The first column
      is the entry&apos;s ID, which the other commands take. DATE is yyyy-MM-dd in
      this computer&apos;s local time: --from counts from the start of its day,
      --to to the end of its day. --program takes the program&apos;s exact name.

  export ID --csv
      The samples of entry ID as CSV: time of day, elapsed seconds,
      temperature in °C.

  verify [--witness TEXT]... [--witness-file FILE] [--tsa-certificate FILE] [FILE...]
      Without files: checks every entry against its hash, every
      controller&apos;s chain of entries, the samples and every log file the
      register names. Prints each problem on a line of its own, starting
      with ALTERED, DAMAGED, BROKEN, MISSING, UNREADABLE, CONTRADICTED or
      UNVERIFIED, then which hash scheme covers how many entries, and a
      summary.
      Each stored verdict is judged again from the entry&apos;s samples by the
      band stored with it (which the hash of an entry of scheme 2 covers),
      and each release is checked like the entries: against its hash
      (which covers the entry and the verdict it was made on) and its place
      in the cycle&apos;s release history. Every audit event is checked against
      its hash, and the ledger, which links every entry, release, event,
      pack and use into its controller&apos;s chain: a record removed, altered or added past
      the program shows there.
      --witness TEXT (repeatable) checks that the register still passes
      through a position printed on a report or release printout, such as
      &quot;RG100001 #1234 d0fb04d1c3a2b4e5&quot;; --witness-file FILE takes one
      position per line (blank lines and lines starting with # are left
      out). A witness that the register no longer holds, or holds with
      another hash, is a CONTRADICTED line: newer records were removed, or
      the history up to it rewritten. Operator accounts, packs and their
      uses are checked against their own hashes too (an erased patient
      reference still checks).
      On a server, every controller&apos;s chain is checked, and the log files
      of the entries this computer entered: the others lie on the stations
      that wrote them, and verify there checks them.
      Every time stamp the register holds is checked against the
      certificate of the time-stamp authority (PEM) of --tsa-certificate,
      or else of the setting register/tsa_certificate: one that does not
      verify is UNVERIFIED. Every chain position a stamp names must still
      be on its chain, or it is CONTRADICTED. Prints how many stamps were
      checked and the newest time they prove.
      With files: checks each file by its content and prints one line:
        OK FILE: ENTRY            the register holds this log as ENTRY
        ALTERED FILE: ENTRY       the register holds a log of this file name,
                                  with other content, as ENTRY
        UNKNOWN FILE              the register holds neither
        UNREADABLE FILE: REASON   the file cannot be read
      Exit status 0 only when everything checked is intact, otherwise 1.

  check FILE --hold T:M [--lower K] [--band K]
      The verdict of the run log FILE against a hold of M minutes at T °C:
      one line that starts with PASS, FAIL or NOT EVALUATED and gives the
      reason. The band runs from T - K (--lower) to T + K (--band); the
      defaults are the settings verdict/lower_tolerance and
      verdict/upper_band (0.0 K and 3.0 K unless set). A hold of 0 minutes
      is NOT EVALUATED. Exit status 0 PASS, 1 FAIL, 3 NOT EVALUATED.

  release ID --operator NAME --decision released|rejected|quarantined|recalled
          [--ci passed|failed|unused] [--bi pending|negative|positive|unused]
          [--load TEXT] [--lot TEXT] [--comment TEXT] [--pin-stdin]
      Appends a release to the history of entry ID: who decided what about
      its load, with the chemical (--ci) and biological (--bi) indicators
      (both &quot;unused&quot; unless given), what the load held and its lot number.
      Nothing is ever overwritten: a later result, the biological
      indicator&apos;s a day on, is another release; &quot;recalled&quot; is the decision
      for a cycle found faulty after its release. The load of a cycle whose
      verdict is FAIL or NOT EVALUATED is released only with --comment
      saying why; a load whose chemical indicator failed or whose
      biological indicator is positive is not sterile and is never
      released. Once the register has operator accounts, NAME is an
      account&apos;s and the release is signed with its PIN, asked for on the
      terminal without echo (or read as a line of standard input with
      --pin-stdin; never an option); releasing the load of a FAIL or NOT
      EVALUATED cycle then takes a supervisor. Five wrong PINs in a row
      lock the account for 5 minutes. Prints the release&apos;s place in the
      history.

  operators
      The operator accounts: name, initials, role, and whether active,
      deactivated or locked.

  operator add NAME --initials TEXT [--role operator|supervisor] [--by NAME]
  operator change NAME [--rename NAME] [--initials TEXT]
          [--role operator|supervisor] [--activate|--deactivate] --by NAME
  operator reset-pin NAME --by NAME
      Adds an operator account (the register&apos;s first is a supervisor and
      needs no --by), changes one, or gives it a new PIN (which also ends a
      lock-out). Every change is signed by the supervisor --by with the PIN
      and is an event of the audit trail; accounts are deactivated, never
      deleted. PINs are asked for as release asks: the supervisor&apos;s first,
      then the new PIN twice. A PIN has at least 4 characters and is kept
      only as a slow salted hash (scrypt).

  labels ID --packs N --type NAME --pdf FILE [--format 62x29|57x32|50x25|a4-65]
          [--first N]
      Enters N packs of entry ID into the register and writes their labels
      as the PDF FILE: each a pack code (&quot;RG100001-0042-03&quot;: controller,
      cycle number, pack number) as a Code 128 barcode and as text, the
      pack type NAME, the sterilisation date, the expiry date (the type&apos;s
      shelf life, 180 days unless the clinic&apos;s list of pack types says
      otherwise), the initials of the operator who released the load, the
      controller, the program and the verdict. Only for a cycle whose newest
      release is &quot;released&quot;. The formats: label-printer rolls of 62 x 29,
      57 x 32 and 50 x 25 mm (the default 62x29), one label a page, or A4
      sheets of 65 labels of 38.1 x 21.2 mm (a4-65), filled from position
      --first (1 to 65, row by row; 1 unless given) so that a half-used
      sheet is used up. Prints the codes and where the file is.

  use CODE --reference REF --operator NAME [--comment TEXT]
      Enters the use of the pack CODE at the chair for the patient&apos;s or
      case&apos;s reference REF (a chart number; no names needed) by the
      operator (an active account&apos;s name once the register has accounts).
      A recalled pack is refused with the reason. A pack that is unknown,
      not released, expired or used already is entered only with --comment
      saying why; the warning is kept with the use.

  recall ID --pdf FILE [--csv FILE]
      The recall report of entry ID, usually a cycle released as
      &quot;recalled&quot;: its packs used (when, the patient&apos;s reference, by whom)
      and not used (to be taken from the shelves), as the PDF FILE and, with
      --csv, as CSV too. The only output that names patients&apos; references.

  expiring [--days N]
      The packs not used that expire within N days (14 unless given) or
      have expired: to be reprocessed.

  pack-types [NAME --days N]
      The clinic&apos;s pack types with their shelf lives; with NAME and --days,
      adds the type or sets its shelf life (1 to 3650 days) first, with an
      audit event. A type not in the list has a shelf life of 180 days.

  erase-reference REF --by NAME [--pin-stdin]
      Erases the patient&apos;s reference REF from every use that names it, on
      request, signed by the supervisor NAME with the PIN. The uses keep a
      keyed hash of it, which their own hashes cover, so that they still
      prove themselves.

  report ID --pdf FILE
  report --from DATE --to DATE --pdf FILE
      Writes the cycle report of entry ID (its verdict as stored, its curve
      and its whole release history), or the period report of the cycles
      that started from the first DATE to the second (both days included;
      each cycle with its verdict and newest release), as the PDF FILE, and
      prints where.

  migrate --to URI
      Moves the station&apos;s register file (or the register of --register)
      into the register at URI, usually the clinic&apos;s server; a FILE works
      too. Every entry keeps its content and is entered as the target&apos;s
      own: a new ID, the next place in its controller&apos;s chain there, a hash
      of its own, its verdict judged by the band it was judged by before;
      its event &quot;cycle migrated&quot; names the entry&apos;s ID and hash in the
      source. The release histories, the audit trail, the operator
      accounts, the pack types, the packs and their uses go along; packs
      and uses, as entries, become links of their controller&apos;s chain there
      with hashes of their own. Entries the target holds already (the same
      log, or the same controller, cycle number and start), and releases,
      events, accounts (by name), pack types (by name), packs (by code) and
      uses (by code, time and operator) it holds already, are not added
      again, so running it twice adds nothing; an account the target holds
      is brought to the source&apos;s state when that is newer, and a reference
      erased in the source is erased in the target. Prints the number of
      each kind carried and already there. A register whose records are not
      intact is not moved: its problems are printed as verify prints them,
      exit status 1.

  backup [FOLDER]
      Backs the register file up into FOLDER, or into the folder of the
      setting backup/folder (chosen in the Records tab), while the station
      may go on writing: a consistent copy of the register, the run logs it
      names that the folder does not hold yet (into FOLDER/logs/, copied
      once and never rewritten), verified where it lies (SQLite&apos;s integrity
      check, and verify&apos;s checks against the copied logs) and only then
      named register-&lt;UTC time&gt;.sqlite. The newest backup of each of the
      last 14 days (backup/daily) and of each of the last 12 months
      (backup/monthly) is kept; older ones are removed after a newer one
      is verified. The folder must exist: a disk that is not plugged in
      is an error, not a new folder. Prints the backup&apos;s file, its entries
      and the logs copied, and a line DIFFERS LOG for each log that differs
      from its copy in the backup (the copy is kept). Every backup and
      every failed attempt is recorded in the audit trail. Exit status 0,
      1 when logs differ, 2 when the backup failed.

  backup --status
      Prints &quot;Last verified backup: DAY, TIME&quot; with its file in brackets
      (DAY: today, yesterday or the date), or &quot;No verified backup yet.&quot;,
      then a line starting with &quot;Warning:&quot; when none is newer than 7 days
      (backup/overdue_days), when the last attempt failed, and for each
      log that differs from its copy. Exit status 0, or 1 with a warning.

  restore BACKUP [--logs FOLDER] [--force]
      Restores a backup file, or the newest backup in the folder BACKUP,
      as the register file (the station&apos;s, or --register FILE), and its
      logs into FOLDER, or where the register names them when --logs is
      not given; a file that is there already is never overwritten (a
      DIFFERS line says when it is not the one entered). Then verifies the
      restored register against the restored logs and prints as verify
      does; the restore is an event of the restored register&apos;s audit
      trail. A register that holds entries the backup lacks is not replaced:
      they are listed (NOT IN THE BACKUP: ENTRY) and the exit status is 1;
      --force replaces it and keeps it beside the restored one as
      FILE.replaced-&lt;UTC time&gt;. Close the station first.

  window
      Opens the records window on the register, as the station shows it in
      its Records tab: search, curves, details, the audit trail, releases,
      reports, exports and settings, for a desk without an autoclave. It
      never opens a serial port. Needs a display; ends when the window is
      closed.

CSV is RFC 4180: UTF-8, a header row, CRLF line ends. A text beginning with
=, +, -, @, a tab or a carriage return that is no plain number begins with an
apostrophe inside its quotes, so that spreadsheets show it as text.

Messages, questions, this help and the reports are in the language of the
station&apos;s setting Language (German or Français; English otherwise). What
scripts read stays English in every language: the commands and options, the
tables of list, operators, pack-types and expiring, CSV, the keyword that
starts a line (OK, ALTERED, DAMAGED, BROKEN, MISSING, UNREADABLE, UNKNOWN,
CONTRADICTED, UNVERIFIED, DIFFERS, NOT MOVED, NOT IN THE BACKUP, PASS, FAIL,
NOT EVALUATED), the whole lines of the files verify checks and of NOT IN THE
BACKUP, and the exit status.

Exit status:
  0  success: done, everything checked is intact, PASS
  1  problems found: files not imported, entries or logs not intact, FAIL
  2  a usage error, a release the rules refuse, or the register, a file or
     the output could not be read or written; the message is on standard
     error
  3  NOT EVALUATED

Options:
  --register FILE|URI  the register to work on instead of the station&apos;s
  -h, --help           this text
  --version            the tool&apos;s version
</source>
        <translation>Usage : vaporin-records [--register FILE|URI] COMMAND [ARGUMENTS]

L&apos;outil de registre du poste Vaporin Regulon : importe les journaux des
cycles dans le registre des cycles, liste et exporte ses cycles, vérifie que
rien n&apos;y a été modifié, ni dans ses journaux, et donne verdicts et rapports.

Il travaille sur le registre du poste ou sur celui donné avec --register :
un fichier de registre FILE, ou une base de données sur un serveur
PostgreSQL sous forme d&apos;URI de connexion,
postgresql://[user@][host][:port][/database][?name=value&amp;...] (l&apos;hôte peut
être le dossier d&apos;un socket Unix : ?host=/var/run/postgresql). Le registre
du poste est celui que nomment ses paramètres : register/driver sqlite (par
défaut) désigne le fichier du paramètre register_path, sinon
register.sqlite dans le dossier de données du poste ; postgresql désigne
le serveur de register/host, register/port, register/database et
register/user. Un mot de passe n&apos;est jamais donné sur la ligne de commande
ni dans les paramètres : libpq le prend dans PGPASSWORD ou dans le fichier
de mots de passe ~/.pgpass. Seul import crée un fichier de registre qui
n&apos;existe pas encore ; la base de données d&apos;un serveur doit exister, et ses
tables sont créées la première fois que l&apos;outil y travaille.

Commandes :
  import FOLDER
      Enregistre les journaux des cycles de FOLDER et de ses sous-dossiers.
      Affiche le nombre de journaux importés, déjà présents (le même
      contenu, quel que soit le nom du fichier), différents de leur entrée
      (un cycle que le registre contient, même régulateur, même numéro de
      cycle et même début, avec un autre journal ; non enregistré) et
      illisibles, chaque fichier différent ou illisible avec l&apos;entrée ou la
      raison. Code de sortie 0, ou 1 si des fichiers étaient différents ou
      illisibles.

  list [--from DATE] [--to DATE] [--program NAME] [--csv]
      Les cycles, du plus récent au plus ancien, en tableau aligné (ID,
      début, programme, numéro de cycle, régulateur, statut, origine,
      verdict, libération) ou en CSV. Le verdict est PASS, FAIL ou NOT
      EVALUATED tel que le registre l&apos;a enregistré ; la libération est la
      décision la plus récente (Released, Rejected, Quarantined), &quot;waiting&quot;
      pour un cycle enregistré par le poste qui n&apos;en a pas encore, ou &quot;-&quot;
      (les journaux importés et les cycles écartés n&apos;en attendent pas). La
      première colonne est l&apos;ID de l&apos;entrée, que prennent les autres
      commandes. DATE est yyyy-MM-dd à l&apos;heure locale de cet ordinateur :
      --from compte depuis le début de son jour, --to jusqu&apos;à la fin de son
      jour. --program prend le nom exact du programme.

  export ID --csv
      Les mesures de l&apos;entrée ID en CSV : heure, secondes écoulées,
      température en °C.

  verify [--witness TEXT]... [--witness-file FILE] [--tsa-certificate FILE] [FILE...]
      Sans fichiers : vérifie chaque entrée par rapport à son empreinte, la
      chaîne des entrées de chaque régulateur, les mesures et chaque
      fichier journal que nomme le registre. Affiche chaque problème sur
      une ligne à part, commençant par ALTERED, DAMAGED, BROKEN, MISSING,
      UNREADABLE, CONTRADICTED ou UNVERIFIED, puis quel schéma d&apos;empreinte
      couvre combien d&apos;entrées, et un résumé.
      Chaque verdict enregistré est jugé à nouveau à partir des mesures de
      l&apos;entrée, avec la bande enregistrée avec lui (que couvre l&apos;empreinte
      d&apos;une entrée du schéma 2), et chaque libération est vérifiée comme
      les entrées : par rapport à son empreinte (qui couvre l&apos;entrée et le
      verdict sur lesquels elle repose) et à sa place dans l&apos;historique des
      libérations du cycle. Chaque événement du journal d&apos;audit est vérifié
      par rapport à son empreinte, ainsi que le registre des maillons, qui
      relie chaque entrée, libération, événement, emballage et utilisation
      à la chaîne de son régulateur : un enregistrement retiré, modifié ou
      ajouté en contournant le programme s&apos;y voit.
      --witness TEXT (répétable) vérifie que le registre passe encore par
      une position imprimée sur un rapport ou un bon de libération, comme
      &quot;RG100001 #1234 d0fb04d1c3a2b4e5&quot; ; --witness-file FILE prend une
      position par ligne (les lignes vides et celles qui commencent par #
      sont ignorées). Un témoin que le registre ne contient plus, ou
      contient avec une autre empreinte, donne une ligne CONTRADICTED : des
      enregistrements plus récents ont été retirés, ou l&apos;historique jusqu&apos;à
      lui a été réécrit. Les comptes opérateur, les emballages et leurs
      utilisations sont aussi vérifiés par rapport à leurs propres
      empreintes (une référence patient effacée se vérifie toujours).
      Sur un serveur, la chaîne de chaque régulateur est vérifiée, ainsi
      que les fichiers journaux des entrées que cet ordinateur a
      enregistrées : les autres se trouvent sur les postes qui les ont
      écrits, et verify les y vérifie.
      Chaque horodatage que contient le registre est vérifié avec le
      certificat de l&apos;autorité d&apos;horodatage (PEM) de --tsa-certificate, ou
      sinon du paramètre register/tsa_certificate : un horodatage qui ne se
      vérifie pas est UNVERIFIED. Chaque position de chaîne que nomme un
      horodatage doit encore être sur sa chaîne, sinon elle est
      CONTRADICTED. Affiche combien d&apos;horodatages ont été vérifiés et
      l&apos;heure la plus récente qu&apos;ils prouvent.
      Avec des fichiers : vérifie chaque fichier par son contenu et affiche
      une ligne :
        OK FILE: ENTRY            le registre contient ce journal comme ENTRY
        ALTERED FILE: ENTRY       le registre contient un journal de ce nom
                                  de fichier, avec un autre contenu, comme
                                  ENTRY
        UNKNOWN FILE              le registre ne contient ni l&apos;un ni l&apos;autre
        UNREADABLE FILE: REASON   le fichier ne peut pas être lu
      Code de sortie 0 seulement si tout ce qui est vérifié est intact,
      sinon 1.

  check FILE --hold T:M [--lower K] [--band K]
      Le verdict du journal FILE pour un plateau de M minutes à T °C : une
      ligne qui commence par PASS, FAIL ou NOT EVALUATED et donne la
      raison. La bande va de T - K (--lower) à T + K (--band) ; par défaut,
      les paramètres verdict/lower_tolerance et verdict/upper_band (0.0 K
      et 3.0 K s&apos;ils ne sont pas définis). Un plateau de 0 minute est NOT
      EVALUATED. Code de sortie 0 PASS, 1 FAIL, 3 NOT EVALUATED.

  release ID --operator NAME --decision released|rejected|quarantined|recalled
          [--ci passed|failed|unused] [--bi pending|negative|positive|unused]
          [--load TEXT] [--lot TEXT] [--comment TEXT] [--pin-stdin]
      Ajoute une libération à l&apos;historique de l&apos;entrée ID : qui a décidé
      quoi de sa charge, avec l&apos;indicateur chimique (--ci) et l&apos;indicateur
      biologique (--bi) (tous deux &quot;unused&quot; s&apos;ils ne sont pas donnés), ce
      que contenait la charge et son numéro de lot. Rien n&apos;est jamais
      écrasé : un résultat ultérieur, celui de l&apos;indicateur biologique un
      jour après, est une autre libération ; &quot;recalled&quot; est la décision
      pour un cycle trouvé défectueux après sa libération. La charge d&apos;un
      cycle dont le verdict est FAIL ou NOT EVALUATED n&apos;est libérée
      qu&apos;avec un --comment qui dit pourquoi ; une charge dont l&apos;indicateur
      chimique n&apos;est pas conforme ou dont l&apos;indicateur biologique est
      positif n&apos;est pas stérile et n&apos;est jamais libérée. Dès que le
      registre a des comptes opérateur, NAME est celui d&apos;un compte et la
      libération est signée avec son code PIN, demandé dans le terminal
      sans écho (ou lu comme une ligne de l&apos;entrée standard avec
      --pin-stdin ; jamais une option) ; libérer la charge d&apos;un cycle FAIL
      ou NOT EVALUATED demande alors un superviseur. Cinq codes PIN erronés
      de suite verrouillent le compte pendant 5 minutes. Affiche la place
      de la libération dans l&apos;historique.

  operators
      Les comptes opérateur : nom, initiales, rôle, et s&apos;il est actif,
      désactivé ou verrouillé.

  operator add NAME --initials TEXT [--role operator|supervisor] [--by NAME]
  operator change NAME [--rename NAME] [--initials TEXT]
          [--role operator|supervisor] [--activate|--deactivate] --by NAME
  operator reset-pin NAME --by NAME
      Ajoute un compte opérateur (le premier du registre est un
      superviseur et n&apos;a pas besoin de --by), en modifie un, ou lui donne
      un nouveau code PIN (ce qui lève aussi un verrouillage). Chaque
      modification est signée par le superviseur --by avec son code PIN et
      est un événement du journal d&apos;audit ; les comptes sont désactivés,
      jamais supprimés. Les codes PIN sont demandés comme pour release :
      d&apos;abord celui du superviseur, puis deux fois le nouveau code PIN. Un
      code PIN compte au moins 4 caractères et n&apos;est conservé que sous
      forme d&apos;empreinte lente et salée (scrypt).

  labels ID --packs N --type NAME --pdf FILE [--format 62x29|57x32|50x25|a4-65]
          [--first N]
      Enregistre N emballages de l&apos;entrée ID dans le registre et écrit
      leurs étiquettes dans le fichier PDF FILE : chacune avec un code
      d&apos;emballage (&quot;RG100001-0042-03&quot; : régulateur, numéro de cycle, numéro
      d&apos;emballage) en code-barres Code 128 et en texte, le type
      d&apos;emballage NAME, la date de stérilisation, la date de péremption (la
      durée de conservation du type, 180 jours sauf si la liste des types
      d&apos;emballage du cabinet en dit autrement), les initiales de
      l&apos;opérateur qui a libéré la charge, le régulateur, le programme et le
      verdict. Seulement pour un cycle dont la libération la plus récente
      est &quot;released&quot;. Les formats : rouleaux d&apos;imprimante d&apos;étiquettes de
      62 x 29, 57 x 32 et 50 x 25 mm (par défaut 62x29), une étiquette par
      page, ou planches A4 de 65 étiquettes de 38,1 x 21,2 mm (a4-65),
      remplies à partir de la position --first (1 à 65, ligne par ligne ; 1
      si elle n&apos;est pas donnée) afin qu&apos;une planche entamée soit terminée.
      Affiche les codes et l&apos;emplacement du fichier.

  use CODE --reference REF --operator NAME [--comment TEXT]
      Enregistre l&apos;utilisation au fauteuil de l&apos;emballage CODE pour la
      référence patient ou du dossier REF (un numéro de dossier ; aucun nom
      n&apos;est nécessaire) par l&apos;opérateur (le nom d&apos;un compte actif dès que
      le registre a des comptes). Un emballage rappelé est refusé avec la
      raison. Un emballage inconnu, non libéré, périmé ou déjà utilisé
      n&apos;est enregistré qu&apos;avec un --comment qui dit pourquoi ;
      l&apos;avertissement est conservé avec l&apos;utilisation.

  recall ID --pdf FILE [--csv FILE]
      Le rapport de rappel de l&apos;entrée ID, en général un cycle libéré comme
      &quot;recalled&quot; : ses emballages utilisés (quand, la référence patient,
      par qui) et non utilisés (à retirer des étagères), dans le fichier
      PDF FILE et, avec --csv, aussi en CSV. La seule sortie qui nomme des
      références patient.

  expiring [--days N]
      Les emballages non utilisés qui se périment dans les N jours (14 s&apos;il
      n&apos;est pas donné) ou sont périmés : à retraiter.

  pack-types [NAME --days N]
      Les types d&apos;emballage du cabinet avec leur durée de conservation ;
      avec NAME et --days, ajoute d&apos;abord le type ou fixe sa durée de
      conservation (1 à 3650 jours), avec un événement du journal d&apos;audit.
      Un type absent de la liste a une durée de conservation de 180 jours.

  erase-reference REF --by NAME [--pin-stdin]
      Efface sur demande la référence patient REF de chaque utilisation qui
      la nomme, signé par le superviseur NAME avec son code PIN. Les
      utilisations en gardent une empreinte à clé, que couvrent leurs
      propres empreintes, afin qu&apos;elles se prouvent toujours.

  report ID --pdf FILE
  report --from DATE --to DATE --pdf FILE
      Écrit le rapport de cycle de l&apos;entrée ID (son verdict tel
      qu&apos;enregistré, sa courbe et tout son historique des libérations), ou
      le rapport de période des cycles commencés du premier DATE au second
      (les deux jours inclus ; chaque cycle avec son verdict et sa
      libération la plus récente), dans le fichier PDF FILE, et affiche où.

  migrate --to URI
      Déplace le fichier de registre du poste (ou le registre de
      --register) dans le registre à l&apos;URI, en général le serveur du
      cabinet ; un fichier FILE convient aussi. Chaque entrée garde son
      contenu et est enregistrée comme propre à la cible : un nouvel ID, la
      place suivante dans la chaîne de son régulateur là-bas, une empreinte
      à elle, son verdict jugé avec la bande qui l&apos;avait jugé auparavant ;
      son événement &quot;cycle migrated&quot; nomme l&apos;ID et l&apos;empreinte de l&apos;entrée
      dans la source. Les historiques des libérations, le journal d&apos;audit,
      les comptes opérateur, les types d&apos;emballage, les emballages et leurs
      utilisations suivent ; emballages et utilisations deviennent, comme
      les entrées, des maillons de la chaîne de leur régulateur là-bas, avec
      leurs propres empreintes. Les entrées que la cible contient déjà (le
      même journal, ou le même régulateur, numéro de cycle et début), ainsi
      que les libérations, événements, comptes (par nom), types d&apos;emballage
      (par nom), emballages (par code) et utilisations (par code, heure et
      opérateur) qu&apos;elle contient déjà, ne sont pas ajoutés de nouveau : la
      relancer n&apos;ajoute donc rien ; un compte que la cible contient est
      amené à l&apos;état de la source quand celui-ci est plus récent, et une
      référence patient effacée dans la source est effacée dans la cible.
      Affiche, pour chaque sorte, le nombre transféré et déjà présent. Un
      registre dont les enregistrements ne sont pas intacts n&apos;est pas
      déplacé : ses problèmes sont affichés comme verify les affiche, code
      de sortie 1.

  backup [FOLDER]
      Sauvegarde le fichier de registre dans FOLDER, ou dans le dossier du
      paramètre backup/folder (choisi dans l&apos;onglet Registre), pendant que
      le poste peut continuer à écrire : une copie cohérente du registre,
      les journaux qu&apos;il nomme et que le dossier ne contient pas encore
      (dans FOLDER/logs/, copiés une fois et jamais réécrits), vérifiée là
      où elle se trouve (le contrôle d&apos;intégrité de SQLite, et les
      vérifications de verify par rapport aux journaux copiés) et seulement
      ensuite nommée register-&lt;heure UTC&gt;.sqlite. La sauvegarde la plus
      récente de chacun des 14 derniers jours (backup/daily) et de chacun
      des 12 derniers mois (backup/monthly) est conservée ; les plus
      anciennes sont supprimées après qu&apos;une plus récente a été vérifiée.
      Le dossier doit exister : un disque non branché est une erreur, pas
      un nouveau dossier. Affiche le fichier de la sauvegarde, ses entrées
      et les journaux copiés, et une ligne DIFFERS LOG pour chaque journal
      qui diffère de sa copie dans la sauvegarde (la copie est conservée).
      Chaque sauvegarde et chaque tentative échouée est enregistrée dans le
      journal d&apos;audit. Code de sortie 0, 1 si des journaux diffèrent, 2 si
      la sauvegarde a échoué.

  backup --status
      Affiche &quot;Dernière sauvegarde vérifiée : JOUR, HEURE&quot; avec son fichier
      entre parenthèses (JOUR : aujourd&apos;hui, hier ou la date), ou &quot;Aucune
      sauvegarde vérifiée pour l&apos;instant.&quot;, puis une ligne commençant par
      &quot;Avertissement :&quot; si aucune ne date de moins de 7 jours
      (backup/overdue_days), si la dernière tentative a échoué, et pour
      chaque journal qui diffère de sa copie. Code de sortie 0, ou 1 avec
      un avertissement.

  restore BACKUP [--logs FOLDER] [--force]
      Restaure un fichier de sauvegarde, ou la sauvegarde la plus récente
      du dossier BACKUP, comme fichier de registre (celui du poste, ou
      --register FILE), et ses journaux dans FOLDER, ou là où le registre
      les nomme si --logs n&apos;est pas donné ; un fichier déjà présent n&apos;est
      jamais écrasé (une ligne DIFFERS le signale s&apos;il n&apos;est pas celui qui
      a été enregistré). Vérifie ensuite le registre restauré par rapport
      aux journaux restaurés et affiche comme verify ; la restauration est
      un événement du journal d&apos;audit du registre restauré. Un registre
      qui contient des entrées absentes de la sauvegarde n&apos;est pas
      remplacé : elles sont listées (NOT IN THE BACKUP: ENTRY) et le code
      de sortie est 1 ; --force le remplace et le conserve à côté du
      registre restauré sous FILE.replaced-&lt;heure UTC&gt;. Fermez d&apos;abord le
      poste.

  window
      Ouvre la fenêtre du registre, comme le poste la montre dans son
      onglet Registre : recherche, courbes, détails, journal d&apos;audit,
      libérations, rapports, exports et paramètres, pour un bureau sans
      autoclave. Elle n&apos;ouvre jamais de port série. Demande un écran ; se
      termine quand la fenêtre est fermée.

Le CSV suit la RFC 4180 : UTF-8, une ligne d&apos;en-tête, fins de ligne CRLF. Un
texte qui commence par =, +, -, @, une tabulation ou un retour chariot et
qui n&apos;est pas un simple nombre commence par une apostrophe à l&apos;intérieur de
ses guillemets, afin que les tableurs l&apos;affichent comme du texte.

Les messages, les questions, cette aide et les rapports sont dans la langue
du paramètre Language du poste (German ou Français ; anglais sinon). Ce que
lisent les scripts reste en anglais dans toutes les langues : les commandes
et options, les tableaux de list, operators, pack-types et expiring, le
CSV, le mot-clé en début de ligne (OK, ALTERED, DAMAGED, BROKEN, MISSING,
UNREADABLE, UNKNOWN, CONTRADICTED, UNVERIFIED, DIFFERS, NOT MOVED, NOT IN
THE BACKUP, PASS, FAIL, NOT EVALUATED), les lignes entières des fichiers
que vérifie verify et de NOT IN THE BACKUP, et le code de sortie.

Code de sortie :
  0  succès : fait, tout ce qui est vérifié est intact, PASS
  1  problèmes trouvés : fichiers non importés, entrées ou journaux non
     intacts, FAIL
  2  une erreur d&apos;utilisation, une libération que les règles refusent, ou
     le registre, un fichier ou la sortie n&apos;a pas pu être lu ou écrit ; le
     message est sur la sortie d&apos;erreur standard
  3  NOT EVALUATED

Options :
  --register FILE|URI  le registre sur lequel travailler au lieu de celui
                       du poste
  -h, --help           ce texte
  --version            la version de l&apos;outil
</translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message>
        <source>The records are open in a window of their own.</source>
        <translation>Les enregistrements sont ouverts dans une fenêtre à part.</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>Back into the tab</source>
        <translation>Revenir dans l&apos;onglet</translation>
    </message>
</context>
<context>
    <name>RecordsSettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>&amp;Clinic:</source>
        <translation>&amp;Cabinet :</translation>
    </message>
    <message>
        <source>Printed at the top of every cycle and period report</source>
        <translation>Imprimé en tête de chaque rapport de cycle et rapport de période</translation>
    </message>
    <message>
        <source>&amp;Lower tolerance:</source>
        <translation>Tolérance &amp;inférieure :</translation>
    </message>
    <message>
        <source>Kelvin below the hold&apos;s temperature that still count as holding it</source>
        <translation>Kelvins sous la température du plateau qui comptent encore comme plateau</translation>
    </message>
    <message>
        <source> K</source>
        <translation> K</translation>
    </message>
    <message>
        <source>&amp;Upper band:</source>
        <translation>Bande &amp;supérieure :</translation>
    </message>
    <message>
        <source>Kelvin above the hold&apos;s temperature that still count as holding it</source>
        <translation>Kelvins au-dessus de la température du plateau qui comptent encore comme plateau</translation>
    </message>
    <message>
        <source>Each tolerance from 0 to %1 K. The cycles entered from now on are judged by them; the verdicts entered before keep the band they were judged by.</source>
        <translation>Chaque tolérance de 0 à %1 K. Les cycles enregistrés à partir de maintenant sont jugés selon elles ; les verdicts enregistrés auparavant gardent la bande selon laquelle ils ont été jugés.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Enregistrement…</translation>
    </message>
</context>
<context>
    <name>RecordsTab</name>
    <message>
        <source>Settings...</source>
        <translation>Paramètres...</translation>
    </message>
    <message>
        <source>The clinic&apos;s name on the reports and the verdict&apos;s tolerances</source>
        <translation>Le nom du cabinet sur les rapports et les tolérances du verdict</translation>
    </message>
    <message>
        <source>Open in window</source>
        <translation>Ouvrir dans une fenêtre</translation>
    </message>
    <message>
        <source>Shows the records in a window of their own, as large as the screen allows</source>
        <translation>Affiche les enregistrements dans une fenêtre à part, aussi grande que l&apos;écran le permet</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>All dates</source>
        <translation>Toutes les dates</translation>
    </message>
    <message>
        <source>Cycles of any date; clear it to choose a period</source>
        <translation>Cycles de toute date ; décochez pour choisir une période</translation>
    </message>
    <message>
        <source>from</source>
        <translation>du</translation>
    </message>
    <message>
        <source>The first day of the period</source>
        <translation>Le premier jour de la période</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>dd/MM/yyyy</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>The last day of the period</source>
        <translation>Le dernier jour de la période</translation>
    </message>
    <message>
        <source>Only the cycles of this program</source>
        <translation>Uniquement les cycles de ce programme</translation>
    </message>
    <message>
        <source>Only the cycles that ended so</source>
        <translation>Uniquement les cycles terminés ainsi</translation>
    </message>
    <message>
        <source>Only the cycles of this controller (serial number)</source>
        <translation>Uniquement les cycles de ce régulateur (numéro de série)</translation>
    </message>
    <message>
        <source>Only the cycles whose current release this operator made</source>
        <translation>Uniquement les cycles dont la libération actuelle est de cet opérateur</translation>
    </message>
    <message>
        <source>Only the cycles whose current release decided so</source>
        <translation>Uniquement les cycles dont la libération actuelle a décidé ainsi</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Only the cycles that wait for release</source>
        <translation>Uniquement les cycles en attente de libération</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Found in the program, status, serial number, cycle number, log file name or station, and in the lot, load, operator or comment of any release</source>
        <translation>Recherché dans le programme, l&apos;état, le numéro de série, le numéro de cycle, le nom du fichier journal ou le poste, et dans le lot, la charge, l&apos;opérateur ou le commentaire de toute libération</translation>
    </message>
    <message>
        <source>Export list…</source>
        <translation>Exporter la liste…</translation>
    </message>
    <message>
        <source>Saves every cycle of the filter as a CSV file</source>
        <translation>Enregistre chaque cycle du filtre dans un fichier CSV</translation>
    </message>
    <message>
        <source>Period report…</source>
        <translation>Rapport de période…</translation>
    </message>
    <message>
        <source>Saves the report of the cycles of the filter as a PDF file, for inspections</source>
        <translation>Enregistre le rapport des cycles du filtre dans un fichier PDF, pour les inspections</translation>
    </message>
    <message>
        <source>Print period…</source>
        <translation>Imprimer la période…</translation>
    </message>
    <message>
        <source>Prints the report of the cycles of the filter</source>
        <translation>Imprime le rapport des cycles du filtre</translation>
    </message>
    <message>
        <source>Chosen cycle</source>
        <translation>Cycle choisi</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programme :</translation>
    </message>
    <message>
        <source>Cycle:</source>
        <translation>Cycle :</translation>
    </message>
    <message>
        <source>Serial:</source>
        <translation>N° de série :</translation>
    </message>
    <message>
        <source>Started:</source>
        <translation>Démarré :</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>Mesures :</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>Verdict:</source>
        <translation>Verdict :</translation>
    </message>
    <message>
        <source>Release:</source>
        <translation>Libération :</translation>
    </message>
    <message>
        <source>Log folder</source>
        <translation>Dossier des journaux</translation>
    </message>
    <message>
        <source>Opens the folder of the cycle&apos;s run log</source>
        <translation>Ouvre le dossier du journal du cycle</translation>
    </message>
    <message>
        <source>Export samples…</source>
        <translation>Exporter les mesures…</translation>
    </message>
    <message>
        <source>Saves the cycle&apos;s samples as a CSV file</source>
        <translation>Enregistre les mesures du cycle dans un fichier CSV</translation>
    </message>
    <message>
        <source>Details…</source>
        <translation>Détails…</translation>
    </message>
    <message>
        <source>Every field of the entry, its hashes, its verdict, its releases and its audit trail</source>
        <translation>Chaque champ de l&apos;entrée, ses empreintes, son verdict, ses libérations et son journal d&apos;audit</translation>
    </message>
    <message>
        <source>Release…</source>
        <translation>Libération…</translation>
    </message>
    <message>
        <source>Records who decides what about the cycle&apos;s load</source>
        <translation>Consigne qui décide quoi de la charge du cycle</translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation>Enregistrer le rapport…</translation>
    </message>
    <message>
        <source>Saves the cycle report as a PDF file</source>
        <translation>Enregistre le rapport de cycle dans un fichier PDF</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Prints the cycle report</source>
        <translation>Imprime le rapport de cycle</translation>
    </message>
    <message>
        <source>Audit trail</source>
        <translation>Journal d&apos;audit</translation>
    </message>
    <message>
        <source>Verify register…</source>
        <translation>Vérifier le registre…</translation>
    </message>
    <message>
        <source>Checks every entry, release, verdict, log file and time stamp of the register</source>
        <translation>Vérifie chaque entrée, libération, verdict, fichier journal et horodatage du registre</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 cycle %2</source>
        <translation>%1 cycle %2</translation>
    </message>
    <message>
        <source>entry %1</source>
        <translation>entrée %1</translation>
    </message>
    <message>
        <source>Packs</source>
        <translation>Emballages</translation>
    </message>
    <message>
        <source>All decisions</source>
        <translation>Toutes les décisions</translation>
    </message>
    <message>
        <source>1 cycle</source>
        <translation>1 cycle</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportation</translation>
    </message>
    <message>
        <source>The export failed.
%1</source>
        <translation>L&apos;exportation a échoué.
%1</translation>
    </message>
    <message>
        <source>Report done.</source>
        <translation>Rapport terminé.</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>The report failed.
%1</source>
        <translation>Le rapport a échoué.
%1</translation>
    </message>
    <message>
        <source>Shown meanwhile: this station&apos;s own register.</source>
        <translation>Affiché en attendant : le registre propre à ce poste.</translation>
    </message>
    <message>
        <source>All programs</source>
        <translation>Tous les programmes</translation>
    </message>
    <message>
        <source>All statuses</source>
        <translation>Tous les états</translation>
    </message>
    <message>
        <source>All controllers</source>
        <translation>Tous les régulateurs</translation>
    </message>
    <message>
        <source>Any operator</source>
        <translation>Tout opérateur</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Enregistrement…</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Exporter la liste</translation>
    </message>
    <message>
        <source>Export Samples</source>
        <translation>Exporter les mesures</translation>
    </message>
    <message>
        <source>Log Folder</source>
        <translation>Dossier des journaux</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The folder %1 could not be shown: no program to show folders was found.</source>
        <translation>Le dossier %1 n&apos;a pas pu être affiché : aucun programme pour afficher les dossiers n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>cycles %1 to %2</source>
        <translation>cycles du %1 au %2</translation>
    </message>
    <message>
        <source>cycles</source>
        <translation>cycles</translation>
    </message>
    <message>
        <source>Save Period Report</source>
        <translation>Enregistrer le rapport de période</translation>
    </message>
    <message>
        <source>Writing the report…</source>
        <translation>Rédaction du rapport…</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cycles</source>
        <translation>
            <numerusform>%Ln cycle</numerusform>
            <numerusform>%Ln cycles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows saved.</source>
        <translation>
            <numerusform>%Ln ligne enregistrée.</numerusform>
            <numerusform>%Ln lignes enregistrées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Central register unreachable since %1; nothing waits to be sent.</source>
        <translation>Registre central injoignable depuis %1 ; rien n&apos;attend d&apos;être envoyé.</translation>
    </message>
    <message>
        <source>Central register unreachable since %1; 1 entry waits to be sent.</source>
        <translation>Registre central injoignable depuis %1 ; 1 entrée attend d&apos;être envoyée.</translation>
    </message>
    <message numerus="yes">
        <source>Central register unreachable since %1; %Ln entries wait to be sent.</source>
        <translation>
            <numerusform>Registre central injoignable depuis %1 ; %Ln entrée attend d&apos;être envoyée.</numerusform>
            <numerusform>Registre central injoignable depuis %1 ; %Ln entrées attendent d&apos;être envoyées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Central register unreachable since %1.</source>
        <translation>Registre central injoignable depuis %1.</translation>
    </message>
</context>
<context>
    <name>RecordsTool</name>
    <message>
        <source>There is no register %1.</source>
        <translation>Le registre %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The register %1 cannot be opened: %2</source>
        <translation>Le registre %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 is no folder.</source>
        <translation>%1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>Imported: %1</source>
        <translation>Importés : %1</translation>
    </message>
    <message>
        <source>Already present: %1</source>
        <translation>Déjà présents : %1</translation>
    </message>
    <message>
        <source>Differing from their entry: %1</source>
        <translation>Différents de leur entrée : %1</translation>
    </message>
    <message>
        <source>  %1: the register holds this cycle as entry %2 with another log</source>
        <translation>  %1 : le registre contient ce cycle comme entrée %2 avec un autre journal</translation>
    </message>
    <message>
        <source>Unreadable: %1</source>
        <translation>Illisibles : %1</translation>
    </message>
    <message>
        <source>The import stopped: the register failed: %1</source>
        <translation>L&apos;importation s&apos;est arrêtée : le registre a échoué : %1</translation>
    </message>
    <message>
        <source>The register cannot be read: %1</source>
        <translation>Le registre ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>The authority&apos;s certificate %1 cannot be read.</source>
        <translation>Le certificat %1 de l&apos;autorité d&apos;horodatage ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Not checked here: %1 of other stations; verify on those stations checks them.</source>
        <translation>Non vérifiés ici : %1 d&apos;autres postes ; verify sur ces postes les vérifie.</translation>
    </message>
    <message>
        <source>scheme %1 covers %2</source>
        <translation>le schéma %1 couvre %2</translation>
    </message>
    <message>
        <source>the ledger links %1 in %2</source>
        <translation>le registre des maillons relie %1 en %2</translation>
    </message>
    <message>
        <source>%1 checked</source>
        <translation>%1 vérifié(s)</translation>
    </message>
    <message>
        <source>Coverage: %1.</source>
        <translation>Couverture : %1.</translation>
    </message>
    <message>
        <source>Checked %1 of %2 and %3: %4</source>
        <translation>Vérifiés : %1 de %2 et %3 : %4</translation>
    </message>
    <message>
        <source>intact.</source>
        <translation>intact.</translation>
    </message>
    <message>
        <source>Nothing was moved: the entries of %1 are not intact (see above).</source>
        <translation>Rien n&apos;a été déplacé : les entrées de %1 ne sont pas intactes (voir ci-dessus).</translation>
    </message>
    <message>
        <source>Moved: %1</source>
        <translation>Déplacées : %1</translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <translation>Déjà présentes : %1</translation>
    </message>
    <message>
        <source>Audit events carried: %1</source>
        <translation>Événements du journal d&apos;audit transférés : %1</translation>
    </message>
    <message>
        <source>Audit events already there: %1</source>
        <translation>Événements du journal d&apos;audit déjà présents : %1</translation>
    </message>
    <message>
        <source>Releases carried: %1</source>
        <translation>Libérations transférées : %1</translation>
    </message>
    <message>
        <source>Releases already there: %1</source>
        <translation>Libérations déjà présentes : %1</translation>
    </message>
    <message>
        <source>The migration stopped: %1 Running it again goes on from there.</source>
        <translation>La migration s&apos;est arrêtée : %1 La relancer reprend à cet endroit.</translation>
    </message>
    <message>
        <source>%1 is no file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 is too large to be a run log.</source>
        <translation>%1 est trop volumineux pour être un journal du cycle.</translation>
    </message>
    <message>
        <source>%1 is no readable run log: %2</source>
        <translation>%1 n&apos;est pas un journal du cycle lisible : %2</translation>
    </message>
    <message>
        <source>PIN of %1</source>
        <translation>Code PIN de %1</translation>
    </message>
    <message>
        <source>The release of %1 was not entered: %2</source>
        <translation>La libération de l&apos;%1 n&apos;a pas été enregistrée : %2</translation>
    </message>
    <message>
        <source>Entered release %1 of %2: %3 by %4.</source>
        <translation>Libération %1 de l&apos;%2 enregistrée : %3 par %4.</translation>
    </message>
    <message>
        <source>A PIN is needed</source>
        <translation>Un code PIN est nécessaire</translation>
    </message>
    <message>
        <source>New PIN of %1</source>
        <translation>Nouveau code PIN de %1</translation>
    </message>
    <message>
        <source>The new PIN again</source>
        <translation>Le nouveau code PIN une seconde fois</translation>
    </message>
    <message>
        <source>The two PINs differ; nothing was changed.</source>
        <translation>Les deux codes PIN diffèrent ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>There is no operator &quot;%1&quot;.</source>
        <translation>L&apos;opérateur « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>deactivated</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>active</source>
        <translation>actif</translation>
    </message>
    <message>
        <source>A supervisor signs new accounts: --by NAME</source>
        <translation>Un superviseur signe les nouveaux comptes : --by NAME</translation>
    </message>
    <message>
        <source>The account was not added: %1</source>
        <translation>Le compte n&apos;a pas été ajouté : %1</translation>
    </message>
    <message>
        <source>Added %1 (%2), %3.</source>
        <translation>Ajouté : %1 (%2), %3.</translation>
    </message>
    <message>
        <source>The account was not changed: %1</source>
        <translation>Le compte n&apos;a pas été modifié : %1</translation>
    </message>
    <message>
        <source>Changed %1 (%2), %3, %4.</source>
        <translation>Modifié : %1 (%2), %3, %4.</translation>
    </message>
    <message>
        <source>The PIN was not reset: %1</source>
        <translation>Le code PIN n&apos;a pas été réinitialisé : %1</translation>
    </message>
    <message>
        <source>The PIN of %1 is reset.</source>
        <translation>Le code PIN de %1 est réinitialisé.</translation>
    </message>
    <message>
        <source>There is no label format &quot;%1&quot;.</source>
        <translation>Le format d&apos;étiquette « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>No labels were made for %1: %2</source>
        <translation>Aucune étiquette n&apos;a été créée pour l&apos;%1 : %2</translation>
    </message>
    <message>
        <source>The packs %1 to %2 are entered, but their labels cannot be written to %3: %4</source>
        <translation>Les emballages %1 à %2 sont enregistrés, mais leurs étiquettes ne peuvent pas être écrites dans %3 : %4</translation>
    </message>
    <message>
        <source>The use was not entered: %1</source>
        <translation>L&apos;utilisation n&apos;a pas été enregistrée : %1</translation>
    </message>
    <message>
        <source>Entered the use of %1 by %2.</source>
        <translation>Utilisation de %1 par %2 enregistrée.</translation>
    </message>
    <message>
        <source>Entered the use of %1 by %2 despite: %3</source>
        <translation>Utilisation de %1 par %2 enregistrée malgré : %3</translation>
    </message>
    <message>
        <source>The report %1 cannot be written: %2</source>
        <translation>Le rapport %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>The recall report of %1 is in %2: %3 packs used, %4 to be taken from the shelves.</source>
        <translation>Le rapport de rappel de l&apos;%1 est dans %2 : %3 emballages utilisés, %4 à retirer des étagères.</translation>
    </message>
    <message>
        <source>The pack type was not set: %1</source>
        <translation>Le type d&apos;emballage n&apos;a pas été défini : %1</translation>
    </message>
    <message>
        <source>The reference was not erased: %1</source>
        <translation>La référence n&apos;a pas été effacée : %1</translation>
    </message>
    <message>
        <source>The report of %1 is in %2.</source>
        <translation>Le rapport de l&apos;%1 est dans %2.</translation>
    </message>
    <message>
        <source>The report of %1 from %2 to %3 is in %4.</source>
        <translation>Le rapport de %1 du %2 au %3 est dans %4.</translation>
    </message>
    <message>
        <source>The register %1 is on a server: back it up there (see the README&apos;s &quot;Backups&quot;).</source>
        <translation>Le registre %1 est sur un serveur : sauvegardez-le là-bas (voir « Backups » dans le README).</translation>
    </message>
    <message>
        <source>No backup folder: give one, or choose one in the Records tab.</source>
        <translation>Aucun dossier de sauvegarde : donnez-en un, ou choisissez-en un dans l&apos;onglet Registre.</translation>
    </message>
    <message>
        <source>The backup failed: %1</source>
        <translation>La sauvegarde a échoué : %1</translation>
    </message>
    <message>
        <source>Backup verified: %1</source>
        <translation>Sauvegarde vérifiée : %1</translation>
    </message>
    <message>
        <source>Entries: %1</source>
        <translation>Entrées : %1</translation>
    </message>
    <message>
        <source>Logs copied: %1</source>
        <translation>Journaux copiés : %1</translation>
    </message>
    <message>
        <source>Removed older backup: %1</source>
        <translation>Ancienne sauvegarde supprimée : %1</translation>
    </message>
    <message>
        <source>%1 Give --force to replace it anyway; it is then kept beside the restored one.</source>
        <translation>%1 Donnez --force pour le remplacer malgré tout ; il est alors conservé à côté du registre restauré.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Restauré : %1</translation>
    </message>
    <message>
        <source>The replaced register is kept as: %1</source>
        <translation>Le registre remplacé est conservé sous : %1</translation>
    </message>
    <message>
        <source>Logs restored: %1</source>
        <translation>Journaux restaurés : %1</translation>
    </message>
    <message>
        <source>Logs already there: %1</source>
        <translation>Journaux déjà présents : %1</translation>
    </message>
    <message>
        <source>Vaporin Records</source>
        <translation>Vaporin Records</translation>
    </message>
    <message>
        <source>The output could not be written: %1</source>
        <translation>La sortie n&apos;a pas pu être écrite : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n entry</source>
        <translation>
            <numerusform>%n entrée</numerusform>
            <numerusform>%n entrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrée</numerusform>
            <numerusform>%n entrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log file</source>
        <translation>
            <numerusform>%n fichier journal</numerusform>
            <numerusform>%n fichiers journaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log files</source>
        <translation>
            <numerusform>%n fichier journal</numerusform>
            <numerusform>%n fichiers journaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record</source>
        <translation>
            <numerusform>%n enregistrement</numerusform>
            <numerusform>%n enregistrements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n enregistrement</numerusform>
            <numerusform>%n enregistrements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n chain</source>
        <translation>
            <numerusform>%n chaîne</numerusform>
            <numerusform>%n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n chains</source>
        <translation>
            <numerusform>%n chaîne</numerusform>
            <numerusform>%n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n witness</source>
        <translation>
            <numerusform>%n témoin</numerusform>
            <numerusform>%n témoins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n witnesses</source>
        <translation>
            <numerusform>%n témoin</numerusform>
            <numerusform>%n témoins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n controller</source>
        <translation>
            <numerusform>%n régulateur</numerusform>
            <numerusform>%n régulateurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n controllers</source>
        <translation>
            <numerusform>%n régulateur</numerusform>
            <numerusform>%n régulateurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem.</source>
        <translation>
            <numerusform>%n problème.</numerusform>
            <numerusform>%n problèmes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems.</source>
        <translation>
            <numerusform>%n problème.</numerusform>
            <numerusform>%n problèmes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cycle</source>
        <translation>
            <numerusform>%n cycle</numerusform>
            <numerusform>%n cycles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cycles</source>
        <translation>
            <numerusform>%n cycle</numerusform>
            <numerusform>%n cycles</numerusform>
        </translation>
    </message>
    <message>
        <source>Operator accounts carried: %1</source>
        <translation>Comptes opérateur transférés : %1</translation>
    </message>
    <message>
        <source>Operator accounts already there: %1</source>
        <translation>Comptes opérateur déjà présents : %1</translation>
    </message>
    <message>
        <source>Pack types carried: %1</source>
        <translation>Types d&apos;emballage transférés : %1</translation>
    </message>
    <message>
        <source>Packs carried: %1</source>
        <translation>Emballages transférés : %1</translation>
    </message>
    <message>
        <source>Packs already there: %1</source>
        <translation>Emballages déjà présents : %1</translation>
    </message>
    <message>
        <source>Uses carried: %1</source>
        <translation>Utilisations transférées : %1</translation>
    </message>
    <message>
        <source>Uses already there: %1</source>
        <translation>Utilisations déjà présentes : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n labels, %1 to %2, are in %3.</source>
        <translation>
            <numerusform>%n étiquette, %1 à %2, est dans %3.</numerusform>
            <numerusform>%n étiquettes, %1 à %2, sont dans %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The reference is erased from %n uses.</source>
        <translation>
            <numerusform>La référence est effacée de %n utilisation.</numerusform>
            <numerusform>La référence est effacée de %n utilisations.</numerusform>
        </translation>
    </message>
    <message>
        <source>its copy in the backup was kept</source>
        <translation>sa copie dans la sauvegarde a été conservée</translation>
    </message>
    <message>
        <source>another file of that name is there; not overwritten</source>
        <translation>un autre fichier de ce nom s&apos;y trouve ; non écrasé</translation>
    </message>
</context>
<context>
    <name>RecordsWindow</name>
    <message>
        <source>Records - Vaporin Regulon</source>
        <translation>Enregistrements - Vaporin Regulon</translation>
    </message>
</context>
<context>
    <name>ReferenceUsesView</name>
    <message>
        <source>Uses of a patient&apos;s reference</source>
        <translation>Utilisations d&apos;une référence patient</translation>
    </message>
    <message>
        <source>Refere&amp;nce:</source>
        <translation>Référe&amp;nce :</translation>
    </message>
    <message>
        <source>The reference as the practice writes it; the list shows its uses, not the reference</source>
        <translation>La référence telle que le cabinet l&apos;écrit ; la liste montre ses utilisations, pas la référence</translation>
    </message>
    <message>
        <source>F&amp;ind uses</source>
        <translation>C&amp;hercher les utilisations</translation>
    </message>
    <message>
        <source>&amp;Erase reference...</source>
        <translation>Suppr&amp;imer la référence...</translation>
    </message>
    <message>
        <source>On the patient&apos;s request: a supervisor erases the reference from the chosen use</source>
        <translation>À la demande du patient : un superviseur supprime la référence de l&apos;utilisation choisie</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Emballage</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence patient</translation>
    </message>
    <message>
        <source>erased</source>
        <translation>supprimée</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>conservée</translation>
    </message>
    <message>
        <source>No use of this reference.</source>
        <translation>Aucune utilisation de cette référence.</translation>
    </message>
    <message numerus="yes">
        <source>%n uses of this reference.</source>
        <translation>
            <numerusform>%n utilisation de cette référence.</numerusform>
            <numerusform>%n utilisations de cette référence.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegisterAlert</name>
    <message>
        <source>Cycle Register</source>
        <translation>Registre des cycles</translation>
    </message>
    <message>
        <source>The cycle register cannot be written at the moment:
%1

Run logs are saved as always. The register&apos;s entries are kept and will be entered automatically as soon as it can be written again (waiting now: %2).</source>
        <translation>Le registre des cycles ne peut pas être écrit pour le moment :
%1

Les journaux de cycle sont enregistrés comme toujours. Les entrées du registre sont conservées et seront enregistrées automatiquement dès qu&apos;il pourra de nouveau être écrit (en attente : %2).</translation>
    </message>
</context>
<context>
    <name>RegisterBackup</name>
    <message>
        <source>The register %1 cannot be opened: %2</source>
        <translation>Le registre %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>The backup %1 is verified, but the register cannot record it: %2</source>
        <translation>La sauvegarde %1 est vérifiée, mais le registre ne peut pas l&apos;enregistrer : %2</translation>
    </message>
    <message>
        <source>The log %1 cannot be copied to %2: %3</source>
        <translation>Le journal %1 ne peut pas être copié vers %2 : %3</translation>
    </message>
    <message>
        <source>The copy %1 cannot be written: %2</source>
        <translation>La copie %1 ne peut pas être écrite : %2</translation>
    </message>
    <message>
        <source>The copy %1 cannot be completed.</source>
        <translation>La copie %1 ne peut pas être terminée.</translation>
    </message>
    <message>
        <source>No backup folder is chosen.</source>
        <translation>Aucun dossier de sauvegarde n&apos;est choisi.</translation>
    </message>
    <message>
        <source>The backup folder %1 is not there (is its disk plugged in?).</source>
        <translation>Le dossier de sauvegarde %1 est absent (son disque est-il branché ?).</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more problems)</source>
        <translation>
            <numerusform>%1 (et %n autre problème)</numerusform>
            <numerusform>%1 (et %n autres problèmes)</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup does not verify: %1</source>
        <translation>La sauvegarde échoue à la vérification : %1</translation>
    </message>
    <message>
        <source>The backup cannot be named %1.</source>
        <translation>La sauvegarde ne peut pas être nommée %1.</translation>
    </message>
    <message>
        <source>The register cannot be copied to %1: %2</source>
        <translation>Le registre ne peut pas être copié vers %1 : %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The backup was stopped.</source>
        <translation>La sauvegarde a été arrêtée.</translation>
    </message>
</context>
<context>
    <name>RegisterLocation</name>
    <message>
        <source>The connection URI cannot be used: %1.</source>
        <translation>L&apos;URI de connexion ne peut pas être utilisée : %1.</translation>
    </message>
    <message>
        <source>give postgresql://[user@][host][:port][/database][?name=value&amp;...]</source>
        <translation>donnez postgresql://[user@][host][:port][/database][?name=value&amp;...]</translation>
    </message>
    <message>
        <source>it holds a password, which would show to every user of this computer; give it in PGPASSWORD or the password file ~/.pgpass instead</source>
        <translation>elle contient un mot de passe, que verrait tout utilisateur de cet ordinateur ; donnez-le plutôt dans PGPASSWORD ou le fichier de mots de passe ~/.pgpass</translation>
    </message>
    <message>
        <source>the host %1 is no [IPv6 address]</source>
        <translation>l&apos;hôte %1 n&apos;est pas une [adresse IPv6]</translation>
    </message>
    <message>
        <source>a &quot;%&quot; is not followed by two hexadecimal digits</source>
        <translation>un « % » n&apos;est pas suivi de deux chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>the parameter &quot;%1&quot; is no name=value</source>
        <translation>le paramètre « %1 » n&apos;est pas de la forme name=value</translation>
    </message>
    <message>
        <source>the value of %1 holds a &quot;;&quot;</source>
        <translation>la valeur de %1 contient un « ; »</translation>
    </message>
    <message>
        <source>the port %1 is no number from 1 to 65535</source>
        <translation>le port %1 n&apos;est pas un nombre de 1 à 65535</translation>
    </message>
</context>
<context>
    <name>RegisterReader</name>
    <message>
        <source>The release was not saved: %1</source>
        <translation>La libération n&apos;a pas été enregistrée : %1</translation>
    </message>
    <message>
        <source>The release was not saved: the register shown has changed; choose the cycle again.</source>
        <translation>La libération n&apos;a pas été enregistrée : le registre affiché a changé ; choisissez à nouveau le cycle.</translation>
    </message>
    <message>
        <source>The event was not saved: %1</source>
        <translation>L&apos;événement n&apos;a pas été enregistré : %1</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>L&apos;imprimante ne peut pas être utilisée.</translation>
    </message>
    <message>
        <source>The register could not be read: %1</source>
        <translation>Le registre n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>The register %1 cannot be opened: %2</source>
        <translation>Le registre %1 ne peut pas être ouvert : %2</translation>
    </message>
</context>
<context>
    <name>RegisterRestore</name>
    <message>
        <source>The folder %1 holds no backup.</source>
        <translation>Le dossier %1 ne contient aucune sauvegarde.</translation>
    </message>
    <message>
        <source>There is no backup %1.</source>
        <translation>La sauvegarde %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation>Le dossier de %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be copied to %2.</source>
        <translation>La sauvegarde %1 ne peut pas être copiée vers %2.</translation>
    </message>
    <message>
        <source>The register %1 is in use; close the station first.</source>
        <translation>Le registre %1 est utilisé ; fermez d&apos;abord le poste.</translation>
    </message>
    <message>
        <source>The register %1 cannot be moved aside.</source>
        <translation>Le registre %1 ne peut pas être mis de côté.</translation>
    </message>
    <message>
        <source>The restored register cannot be named %1.</source>
        <translation>Le registre restauré ne peut pas être nommé %1.</translation>
    </message>
    <message>
        <source>The register is restored, but it cannot record the restore: %1</source>
        <translation>Le registre est restauré, mais il ne peut pas enregistrer la restauration : %1</translation>
    </message>
    <message>
        <source>The register %1 cannot be opened: %2</source>
        <translation>Le registre %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message numerus="yes">
        <source>The register %1 holds %n entries that the backup lacks; nothing was replaced.</source>
        <translation>
            <numerusform>Le registre %1 contient %n entrée absente de la sauvegarde ; rien n&apos;a été remplacé.</numerusform>
            <numerusform>Le registre %1 contient %n entrées absentes de la sauvegarde ; rien n&apos;a été remplacé.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegisterSchema</name>
    <message>
        <source>The register has schema version %1, newer than this program knows (%2); use a newer version of the program.</source>
        <translation>Le registre a la version de schéma %1, plus récente que celle que ce programme connaît (%2) ; utilisez une version plus récente du programme.</translation>
    </message>
</context>
<context>
    <name>RegisterTransfer</name>
    <message>
        <source>%1 has been altered.</source>
        <translation>L&apos;%1 a été modifiée.</translation>
    </message>
</context>
<context>
    <name>RegisterVerification</name>
    <message>
        <source>The time stamp %1 (%2) does not verify: %3</source>
        <translation>L&apos;horodatage %1 (%2) échoue à la vérification : %3</translation>
    </message>
    <message>
        <source>the text it stamps is not a list of chain positions.</source>
        <translation>le texte horodaté n&apos;est pas une liste de positions de chaîne.</translation>
    </message>
    <message>
        <source>No time stamps are stored.</source>
        <translation>Aucun horodatage n&apos;est enregistré.</translation>
    </message>
    <message>
        <source>%1 not checked: no certificate of the time-stamp authority was given.</source>
        <translation>%1 non vérifié(s) : aucun certificat de l&apos;autorité d&apos;horodatage n&apos;a été donné.</translation>
    </message>
    <message>
        <source>Checked %1: none verifies.</source>
        <translation>%1 vérifié(s) : aucun n&apos;est valide.</translation>
    </message>
    <message>
        <source>Checked %1: the register is proven as of %2.</source>
        <translation>%1 vérifié(s) : le registre est prouvé à la date du %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n time stamp</source>
        <translation>
            <numerusform>%n horodatage</numerusform>
            <numerusform>%n horodatages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n time stamps</source>
        <translation>
            <numerusform>%n horodatage</numerusform>
            <numerusform>%n horodatages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegisterWriter</name>
    <message>
        <source>The run has no start time.</source>
        <translation>Le cycle en cours n&apos;a pas d&apos;heure de début.</translation>
    </message>
</context>
<context>
    <name>Release</name>
    <message>
        <source>Passed</source>
        <translation>Conforme</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non conforme</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Non utilisé</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Négatif</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positif</translation>
    </message>
    <message>
        <source>Released</source>
        <translation>Libéré</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>Quarantined</source>
        <translation>En quarantaine</translation>
    </message>
    <message>
        <source>Recalled</source>
        <translation>Rappelé</translation>
    </message>
</context>
<context>
    <name>ReleaseDialog</name>
    <message>
        <source>Release</source>
        <translation>Libération</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>&amp;Opérateur :</translation>
    </message>
    <message>
        <source>&amp;PIN:</source>
        <translation>Code &amp;PIN :</translation>
    </message>
    <message>
        <source>The operator&apos;s PIN signs the release once the register has operator accounts</source>
        <translation>Le code PIN de l&apos;opérateur signe la libération dès que le registre a des comptes d&apos;opérateurs</translation>
    </message>
    <message>
        <source>&amp;Load:</source>
        <translation>C&amp;harge :</translation>
    </message>
    <message>
        <source>What the load held, e.g. Tray 3: forceps, mirrors</source>
        <translation>Ce que contenait la charge, p. ex. Plateau 3 : précelles, miroirs</translation>
    </message>
    <message>
        <source>Lot &amp;number:</source>
        <translation>&amp;Numéro de lot :</translation>
    </message>
    <message>
        <source>&amp;Chemical indicator:</source>
        <translation>Indicateur &amp;chimique :</translation>
    </message>
    <message>
        <source>&amp;Biological indicator:</source>
        <translation>Indicateur &amp;biologique :</translation>
    </message>
    <message>
        <source>&amp;Decision:</source>
        <translation>&amp;Décision :</translation>
    </message>
    <message>
        <source>Co&amp;mment:</source>
        <translation>Co&amp;mmentaire :</translation>
    </message>
    <message>
        <source>Release of cycle %1 of %2</source>
        <translation>Libération du cycle %1 de %2</translation>
    </message>
    <message>
        <source>Cycle %1 of controller %2, %3, started %4, %5.</source>
        <translation>Cycle %1 du régulateur %2, %3, démarré le %4, %5.</translation>
    </message>
    <message>
        <source>Verdict: &lt;b&gt;%1&lt;/b&gt;, %2</source>
        <translation>Verdict : &lt;b&gt;%1&lt;/b&gt;, %2</translation>
    </message>
    <message>
        <source>none stored</source>
        <translation>aucun enregistré</translation>
    </message>
    <message>
        <source>.&lt;br&gt;Its samples do not prove the hold: its load is released only with a comment that says why.</source>
        <translation>.&lt;br&gt;Ses mesures ne prouvent pas le plateau : sa charge n&apos;est libérée qu&apos;avec un commentaire qui en dit la raison.</translation>
    </message>
    <message>
        <source>The newest of its releases: %1 on %2. Saving adds an entry to its history; nothing is overwritten.</source>
        <translation>La plus récente de ses libérations : %1 le %2. L&apos;enregistrement ajoute une entrée à son historique ; rien n&apos;est écrasé.</translation>
    </message>
    <message>
        <source>Not released yet.</source>
        <translation>Pas encore libéré.</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Enregistrement…</translation>
    </message>
    <message>
        <source>Who decides about the load; required. Type the first letters to choose.</source>
        <translation>Qui décide de la charge ; obligatoire. Tapez les premières lettres pour choisir.</translation>
    </message>
    <message>
        <source>Only a supervisor releases the load of a %1 cycle.</source>
        <translation>Seul un superviseur libère la charge d&apos;un cycle %1.</translation>
    </message>
</context>
<context>
    <name>ReleaseHistoryModel</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Décision</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Chemical indicator</source>
        <translation>Indicateur chimique</translation>
    </message>
    <message>
        <source>Biological indicator</source>
        <translation>Indicateur biologique</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Entered by</source>
        <translation>Enregistré par</translation>
    </message>
</context>
<context>
    <name>ReleasePolicy</name>
    <message>
        <source>Name the operator who makes the decision.</source>
        <translation>Indiquez l&apos;opérateur qui prend la décision.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>The chemical indicator failed: the load is not sterile and cannot be released.</source>
        <translation>L&apos;indicateur chimique n&apos;est pas conforme : la charge n&apos;est pas stérile et ne peut pas être libérée.</translation>
    </message>
    <message>
        <source>The biological indicator is positive: the load is not sterile and cannot be released.</source>
        <translation>L&apos;indicateur biologique est positif : la charge n&apos;est pas stérile et ne peut pas être libérée.</translation>
    </message>
    <message>
        <source>The verdict is FAIL: say in the comment why the load is released all the same.</source>
        <translation>Le verdict est NON CONFORME : indiquez dans le commentaire pourquoi la charge est libérée malgré tout.</translation>
    </message>
    <message>
        <source>The verdict is NOT EVALUATED: say in the comment why the load is released all the same.</source>
        <translation>Le verdict est NON ÉVALUÉ : indiquez dans le commentaire pourquoi la charge est libérée malgré tout.</translation>
    </message>
</context>
<context>
    <name>ReleaseSigning</name>
    <message>
        <source>The verdict is FAIL: only a supervisor releases its load.</source>
        <translation>Le verdict est NON CONFORME : seul un superviseur libère sa charge.</translation>
    </message>
    <message>
        <source>The verdict is NOT EVALUATED: only a supervisor releases its load.</source>
        <translation>Le verdict est NON ÉVALUÉ : seul un superviseur libère sa charge.</translation>
    </message>
</context>
<context>
    <name>ReplyParser</name>
    <message>
        <source>Can&apos;t start the program. A program is running.</source>
        <translation>Impossible de démarrer le programme. Un programme est en cours.</translation>
    </message>
    <message>
        <source>Can&apos;t start the program.</source>
        <translation>Impossible de démarrer le programme.</translation>
    </message>
    <message>
        <source>Can&apos;t find the selected program.</source>
        <translation>Le programme choisi est introuvable.</translation>
    </message>
    <message>
        <source>Can&apos;t start the program. Controller code: %1</source>
        <translation>Impossible de démarrer le programme. Code du régulateur : %1</translation>
    </message>
    <message>
        <source>Can&apos;t stop the running program.</source>
        <translation>Impossible d&apos;arrêter le programme en cours.</translation>
    </message>
    <message>
        <source>Can&apos;t stop the running program. Controller code: %1</source>
        <translation>Impossible d&apos;arrêter le programme en cours. Code du régulateur : %1</translation>
    </message>
</context>
<context>
    <name>ReportFormat</name>
    <message>
        <source>Released</source>
        <translation>Libéré</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>Quarantined</source>
        <translation>En quarantaine</translation>
    </message>
    <message>
        <source>Recalled</source>
        <translation>Rappelé</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>Conforme</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non conforme</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Négatif</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positif</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Non utilisé</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>%1 min at %2</source>
        <translation>%1 min à %2</translation>
    </message>
    <message>
        <source>hold %1 for %2 min</source>
        <translation>plateau %1 pendant %2 min</translation>
    </message>
    <message>
        <source>band %1 to %2 (%3, %4)</source>
        <translation>bande %1 à %2 (%3, %4)</translation>
    </message>
    <message>
        <source>longest stretch in the band %1 to %2, %3</source>
        <translation>plus longue séquence dans la bande de %1 à %2, %3</translation>
    </message>
    <message>
        <source>in the hold lowest %1 at %2, highest %3 at %4</source>
        <translation>pendant le plateau minimum %1 à %2, maximum %3 à %4</translation>
    </message>
    <message>
        <source>tolerances %1, %2</source>
        <translation>tolérances %1, %2</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 par %2</translation>
    </message>
    <message>
        <source>chemical indicator: %1</source>
        <translation>indicateur chimique : %1</translation>
    </message>
    <message>
        <source>biological indicator: %1</source>
        <translation>indicateur biologique : %1</translation>
    </message>
    <message>
        <source>load: %1</source>
        <translation>charge : %1</translation>
    </message>
    <message>
        <source>lot: %1</source>
        <translation>lot : %1</translation>
    </message>
    <message>
        <source>entered by %1 on %2</source>
        <translation>saisi par %1 sur %2</translation>
    </message>
</context>
<context>
    <name>ReportMetadata</name>
    <message>
        <source>Clinic</source>
        <translation>Cabinet</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Régulateur</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cycle</translation>
    </message>
</context>
<context>
    <name>ReportPainter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>the report could not be drawn</source>
        <translation>le rapport n&apos;a pas pu être dessiné</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Clinic name not set</source>
        <translation>Nom du cabinet non défini</translation>
    </message>
</context>
<context>
    <name>RunLog</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>RunLogParser</name>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>It is no run log: it does not begin with &quot;%1&quot;.</source>
        <translation>Ce n&apos;est pas un journal du cycle : il ne commence pas par « %1 ».</translation>
    </message>
    <message>
        <source>Its last line is incomplete: the log is cut short.</source>
        <translation>La dernière ligne est incomplète : le journal est tronqué.</translation>
    </message>
    <message>
        <source>The header ends early: &quot;%1&quot; is missing.</source>
        <translation>L&apos;en-tête se termine trop tôt : « %1 » est manquant.</translation>
    </message>
    <message>
        <source>Line %1 does not begin with &quot;%2&quot;.</source>
        <translation>La ligne %1 ne commence pas par « %2 ».</translation>
    </message>
    <message>
        <source>Line %1 holds a zero byte: it is no text.</source>
        <translation>La ligne %1 contient un octet nul : ce n&apos;est pas du texte.</translation>
    </message>
    <message>
        <source>The header ends early: the column titles are missing.</source>
        <translation>L&apos;en-tête se termine trop tôt : les titres de colonnes sont manquants.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 are not &quot;Data Points&quot; and the column titles.</source>
        <translation>Les lignes %1 et %2 ne sont pas « Data Points » et les titres de colonnes.</translation>
    </message>
    <message>
        <source>The start time &quot;%1&quot; is no time.</source>
        <translation>L&apos;heure de début « %1 » n&apos;est pas une heure.</translation>
    </message>
    <message>
        <source>The finish time &quot;%1&quot; is no time.</source>
        <translation>L&apos;heure de fin « %1 » n&apos;est pas une heure.</translation>
    </message>
    <message>
        <source>The cycle number &quot;%1&quot; is no number.</source>
        <translation>Le numéro de cycle « %1 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Line %1 is no row of elapsed time and temperature.</source>
        <translation>La ligne %1 n&apos;est pas une ligne de temps écoulé et de température.</translation>
    </message>
</context>
<context>
    <name>RunLogSaver</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The run log could not be written to
%1
%2

Do you want to save it elsewhere?</source>
        <translation>Le journal du cycle n&apos;a pas pu être écrit dans
%1
%2

Voulez-vous l&apos;enregistrer ailleurs ?</translation>
    </message>
    <message>
        <source>Save Run Log</source>
        <translation>Enregistrer le journal du cycle</translation>
    </message>
    <message>
        <source>Run logs (*.txt)</source>
        <translation>Journaux des cycles (*.txt)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>RunRecovery</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The run log of the interrupted run was NOT saved.
The station keeps its record and offers it again at its next start.</source>
        <translation>Le journal du cycle interrompu n&apos;a PAS été enregistré.
Le poste conserve son enregistrement et le propose à nouveau au prochain démarrage.</translation>
    </message>
    <message>
        <source>Run Log Recovered</source>
        <translation>Journal du cycle récupéré</translation>
    </message>
    <message>
        <source>The station stopped before the log of a run was saved.
The run log has now been saved to
%1</source>
        <translation>Le poste s&apos;est arrêté avant l&apos;enregistrement du journal d&apos;un cycle.
Le journal du cycle a maintenant été enregistré sous
%1</translation>
    </message>
</context>
<context>
    <name>SignerChooser</name>
    <message>
        <source>%1 (%2), supervisor</source>
        <translation>%1 (%2), superviseur</translation>
    </message>
    <message>
        <source>%1 (%2), operator</source>
        <translation>%1 (%2), opérateur</translation>
    </message>
</context>
<context>
    <name>SlaveThread</name>
    <message>
        <source>Can&apos;t write to %1</source>
        <translation>Impossible d&apos;écrire sur %1</translation>
    </message>
    <message>
        <source>Can&apos;t open %1, error code %2</source>
        <translation>Impossible d&apos;ouvrir %1, code d&apos;erreur %2</translation>
    </message>
    <message>
        <source>Wait read request timeout %1</source>
        <translation>Délai d&apos;attente de la réponse dépassé %1</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Vaporin Regulon</source>
        <translation>Vaporin Regulon</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>No controller found. Check that its USB cable is plugged in and that the controller is switched on. Your user must be in the dialout group (log in again after adding it).</source>
        <translation>Aucun régulateur trouvé. Vérifiez que son câble USB est branché et que le régulateur est allumé. Votre utilisateur doit faire partie du groupe dialout (reconnectez-vous après l&apos;ajout).</translation>
    </message>
    <message>
        <source>Select Regulon</source>
        <translation>Choisir le Regulon</translation>
    </message>
</context>
<context>
    <name>StationSettings</name>
    <message>
        <source>The setting %1 is &quot;%2&quot;, which is no tolerance from 0 to %3 K; the verdicts use %4 K.</source>
        <translation>Le paramètre %1 vaut « %2 », ce qui n&apos;est pas une tolérance de 0 à %3 K ; les verdicts utilisent %4 K.</translation>
    </message>
    <message>
        <source>The setting %1 is &quot;%2&quot;; it must be sqlite or postgresql.</source>
        <translation>Le paramètre %1 vaut « %2 » ; il doit être sqlite ou postgresql.</translation>
    </message>
    <message>
        <source>The setting %1 is &quot;%2&quot;, which is no port number.</source>
        <translation>Le paramètre %1 vaut « %2 », ce qui n&apos;est pas un numéro de port.</translation>
    </message>
</context>
<context>
    <name>StoredText</name>
    <message>
        <source>Successfully completed</source>
        <translation>Terminé avec succès</translation>
    </message>
    <message>
        <source>Program cancelled by user</source>
        <translation>Programme annulé par l&apos;opérateur</translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation>Connexion perdue</translation>
    </message>
    <message>
        <source>Station closed during the run</source>
        <translation>Poste fermé pendant le cycle</translation>
    </message>
    <message>
        <source>Something went wrong! Please try again!</source>
        <translation>Une erreur s&apos;est produite ! Veuillez réessayer !</translation>
    </message>
    <message>
        <source>Timeout! Please try again!</source>
        <translation>Délai dépassé ! Veuillez réessayer !</translation>
    </message>
    <message>
        <source>Program stopped by error.</source>
        <translation>Programme arrêté par une erreur.</translation>
    </message>
    <message>
        <source>Program stopped by sensor error.</source>
        <translation>Programme arrêté par une erreur de capteur.</translation>
    </message>
</context>
<context>
    <name>TemperatureChart</name>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>TIME [HH:MM]</source>
        <translation>TEMPS [HH:MM]</translation>
    </message>
    <message>
        <source>Temperature [°C]</source>
        <translation>Température [°C]</translation>
    </message>
</context>
<context>
    <name>TimeStampToken</name>
    <message>
        <source>The authority&apos;s certificate %1 cannot be read: %2</source>
        <translation>Le certificat %1 de l&apos;autorité d&apos;horodatage ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The file %1 holds no certificate (PEM).</source>
        <translation>Le fichier %1 ne contient aucun certificat (PEM).</translation>
    </message>
    <message>
        <source>The answer is no time-stamp reply.</source>
        <translation>La réponse n&apos;est pas une réponse d&apos;horodatage.</translation>
    </message>
    <message>
        <source>The authority refused the request (status %1).</source>
        <translation>L&apos;autorité d&apos;horodatage a refusé la demande (statut %1).</translation>
    </message>
    <message>
        <source>The token cannot be encoded.</source>
        <translation>Le jeton ne peut pas être encodé.</translation>
    </message>
    <message>
        <source>The token cannot be read.</source>
        <translation>Le jeton ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The token cannot be checked.</source>
        <translation>Le jeton ne peut pas être vérifié.</translation>
    </message>
    <message>
        <source>The token does not verify.</source>
        <translation>Le jeton échoue à la vérification.</translation>
    </message>
    <message>
        <source>The token&apos;s time cannot be read.</source>
        <translation>L&apos;heure du jeton ne peut pas être lue.</translation>
    </message>
</context>
<context>
    <name>TransferLock</name>
    <message>
        <source>The lock file %1 cannot be made.</source>
        <translation>Le fichier de verrou %1 ne peut pas être créé.</translation>
    </message>
</context>
<context>
    <name>VerdictBanner</name>
    <message>
        <source>The register holds no verdict for this run.</source>
        <translation>Le registre ne contient aucun verdict pour ce cycle.</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>PASS</source>
        <translation>CONFORME</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>NON CONFORME</translation>
    </message>
    <message>
        <source>NOT EVALUATED</source>
        <translation>NON ÉVALUÉ</translation>
    </message>
    <message>
        <source>recording began after the start</source>
        <translation>l&apos;enregistrement a commencé après le démarrage</translation>
    </message>
    <message>
        <source>the program&apos;s steps are unknown</source>
        <translation>les étapes du programme sont inconnues</translation>
    </message>
    <message>
        <source>no step of the program holds for a time</source>
        <translation>aucune étape du programme n&apos;a de durée de plateau</translation>
    </message>
    <message>
        <source>the hold at %1 has no holding time</source>
        <translation>le plateau à %1 n&apos;a pas de durée</translation>
    </message>
    <message>
        <source>held %1 for %2 from %3 to %4 (%5 min required)</source>
        <translation>maintenu à %1 pendant %2 de %3 à %4 (%5 min requises)</translation>
    </message>
    <message>
        <source>no samples recorded</source>
        <translation>aucune mesure enregistrée</translation>
    </message>
    <message>
        <source>never reached %1 (highest %2 at %3)</source>
        <translation>%1 jamais atteint (maximum %2 à %3)</translation>
    </message>
    <message>
        <source>longest stretch at %1 lasted %2 of the %3 min required</source>
        <translation>la plus longue séquence à %1 a duré %2 sur les %3 min requises</translation>
    </message>
    <message>
        <source>lowest %1 at %2</source>
        <translation>minimum %1 à %2</translation>
    </message>
    <message>
        <source>highest %1 at %2</source>
        <translation>maximum %1 à %2</translation>
    </message>
    <message>
        <source>no sample for %1 from %2</source>
        <translation>aucune mesure pendant %1 à partir de %2</translation>
    </message>
    <message>
        <source>the run ended &quot;%1&quot;</source>
        <translation>le cycle s&apos;est terminé « %1 »</translation>
    </message>
    <message>
        <source>the register holds no verdict for this cycle</source>
        <translation>le registre ne contient aucun verdict pour ce cycle</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
</context>
<context>
    <name>VerificationDialog</name>
    <message>
        <source>Verify register</source>
        <translation>Vérifier le registre</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Register: %1</source>
        <translation>Registre : %1</translation>
    </message>
    <message>
        <source>Verifying: every entry, release, verdict, log file and time stamp is read…</source>
        <translation>Vérification : chaque entrée, libération, verdict, fichier journal et horodatage est lu…</translation>
    </message>
    <message>
        <source>Findings:</source>
        <translation>Constatations :</translation>
    </message>
    <message>
        <source>Save verification</source>
        <translation>Enregistrer la vérification</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF could not be written.
%1</source>
        <translation>Le PDF n&apos;a pas pu être écrit.
%1</translation>
    </message>
</context>
<context>
    <name>VerificationReport</name>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>What was checked</source>
        <translation>Éléments vérifiés</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Constats</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Aucun.</translation>
    </message>
    <message>
        <source>Register verification %1</source>
        <translation>Vérification du registre %1</translation>
    </message>
    <message>
        <source>Cycle register: verification</source>
        <translation>Registre des cycles : vérification</translation>
    </message>
    <message>
        <source>Verified %1</source>
        <translation>Vérifié le %1</translation>
    </message>
</context>
<context>
    <name>VerificationSummary</name>
    <message>
        <source>The register could not be verified.</source>
        <translation>Le registre n&apos;a pas pu être vérifié.</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Il n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>The register is intact.</source>
        <translation>Le registre est intact.</translation>
    </message>
    <message>
        <source>The register is NOT intact: %1 found.</source>
        <translation>Le registre n&apos;est PAS intact : %1 constaté(s).</translation>
    </message>
    <message>
        <source>intact</source>
        <translation>intact</translation>
    </message>
    <message>
        <source>Its history up to %1 is proven by the time-stamp authority; what came after is not yet.</source>
        <translation>Son historique jusqu&apos;au %1 est prouvé par l&apos;autorité d&apos;horodatage ; ce qui a suivi ne l&apos;est pas encore.</translation>
    </message>
    <message>
        <source>No time stamp proves its history: whoever can write the register could have rewritten it completely, hashes included, without a trace.</source>
        <translation>Aucun horodatage ne prouve son historique : quiconque peut écrire dans le registre aurait pu le réécrire entièrement, empreintes comprises, sans laisser de trace.</translation>
    </message>
    <message>
        <source>Nothing in the register or in its log files was found changed, removed or reordered. %1</source>
        <translation>Rien dans le registre ni dans ses fichiers journaux n&apos;a été trouvé modifié, supprimé ou réordonné. %1</translation>
    </message>
    <message>
        <source>Each problem is listed below. %1</source>
        <translation>Chaque problème est listé ci-dessous. %1</translation>
    </message>
    <message>
        <source>Checked %1 of %2, %3 and %4.</source>
        <translation>Vérifié : %1 de %2, %3 et %4.</translation>
    </message>
    <message>
        <source>Not checked here: %1 of other stations; verifying on those stations checks them.</source>
        <translation>Non vérifiés ici : %1 d&apos;autres postes ; une vérification sur ces postes les contrôle.</translation>
    </message>
    <message>
        <source>Last full verification: %1: %2</source>
        <translation>Dernière vérification complète : %1 : %2</translation>
    </message>
    <message>
        <source>No full verification yet.</source>
        <translation>Aucune vérification complète pour l&apos;instant.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problème</translation>
    </message>
    <message numerus="yes">
        <source>%n problems</source>
        <translation>
            <numerusform>%n problème</numerusform>
            <numerusform>%n problèmes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 entrée</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrée</numerusform>
            <numerusform>%n entrées</numerusform>
        </translation>
    </message>
    <message>
        <source>1 controller</source>
        <translation>1 régulateur</translation>
    </message>
    <message numerus="yes">
        <source>%n controllers</source>
        <translation>
            <numerusform>%n régulateur</numerusform>
            <numerusform>%n régulateurs</numerusform>
        </translation>
    </message>
    <message>
        <source>1 release</source>
        <translation>1 libération</translation>
    </message>
    <message numerus="yes">
        <source>%n releases</source>
        <translation>
            <numerusform>%n libération</numerusform>
            <numerusform>%n libérations</numerusform>
        </translation>
    </message>
    <message>
        <source>1 log file</source>
        <translation>1 fichier journal</translation>
    </message>
    <message numerus="yes">
        <source>%n log files</source>
        <translation>
            <numerusform>%n fichier journal</numerusform>
            <numerusform>%n fichiers journaux</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Entry changed</source>
        <translation>Entrée modifiée</translation>
    </message>
    <message>
        <source>Samples damaged</source>
        <translation>Mesures endommagées</translation>
    </message>
    <message>
        <source>Order of entries broken</source>
        <translation>Ordre des entrées rompu</translation>
    </message>
    <message>
        <source>Entries missing</source>
        <translation>Entrées manquantes</translation>
    </message>
    <message>
        <source>Log file missing</source>
        <translation>Fichier journal manquant</translation>
    </message>
    <message>
        <source>Log file changed</source>
        <translation>Fichier journal modifié</translation>
    </message>
    <message>
        <source>Log file unreadable</source>
        <translation>Fichier journal illisible</translation>
    </message>
    <message>
        <source>Verdict changed</source>
        <translation>Verdict modifié</translation>
    </message>
    <message>
        <source>Release changed</source>
        <translation>Libération modifiée</translation>
    </message>
    <message>
        <source>Order of releases broken</source>
        <translation>Ordre des libérations rompu</translation>
    </message>
    <message>
        <source>Releases missing</source>
        <translation>Libérations manquantes</translation>
    </message>
    <message>
        <source>Audit event changed</source>
        <translation>Événement du journal d&apos;audit modifié</translation>
    </message>
    <message>
        <source>Ledger broken</source>
        <translation>Chaîne rompue</translation>
    </message>
    <message>
        <source>Record missing</source>
        <translation>Enregistrement manquant</translation>
    </message>
    <message>
        <source>Record changed</source>
        <translation>Enregistrement modifié</translation>
    </message>
    <message>
        <source>Record not in the ledger</source>
        <translation>Enregistrement hors de la chaîne</translation>
    </message>
    <message>
        <source>History rewritten after a witness</source>
        <translation>Historique réécrit après un témoin</translation>
    </message>
    <message>
        <source>Time stamp not valid</source>
        <translation>Horodatage non valide</translation>
    </message>
</context>
</TS>
