<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>AudioSession</name>
    <message>
        <source>No se encuentra la tarjeta de sonido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pueden escribir los ficheros de sonido en %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se encuentra la salida de audio «%1»: el sonido sale por la predeterminada del sistema.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackgroundRender</name>
    <message>
        <source>Verificación cancelada</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BassSample</name>
    <message>
        <source>No se puede ajustar el volumen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede modificar la frecuencia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede modificar el pulso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede establecer el panning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede cargar el fichero </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede iniciar el fichero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede parar el fichero</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BinauralGuard</name>
    <message>
        <source>tiene un solo canal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>es un auricular Bluetooth en modo manos libres, que sólo lleva un canal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Los pulsos binaurales necesitan auriculares estéreo, y la salida de audio%1 %2.

¿Usar el pulso «Isocrónico», que se oye también por altavoces, hasta cerrar el programa? La opción guardada no cambia.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CdTrackDialog</name>
    <message>
        <source>Añadir pista de CD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pistas del disco:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditStep</name>
    <message>
        <source>cambiar duración</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mover punto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>borrar punto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>añadir punto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cambiar rangos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cambiar secuencia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recuperar la copia</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlashRiskMarks</name>
    <message>
        <source>Este tramo destella entre 15 y 20 Hz: es la zona de mayor riesgo para personas fotosensibles.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlassesSettings</name>
    <message>
        <source>Aviso para personas fotosensibles

Las gafas mentales destellan a la frecuencia de la sesión. Las luces que parpadean entre 3 y 30 veces por segundo pueden provocar crisis epilépticas en personas fotosensibles (alrededor de 1 de cada 4.000 personas de 5 a 24 años), aunque nunca hayan tenido una. El riesgo es mayor entre 15 y 20 destellos por segundo y con los ojos cerrados.

No use las gafas si usted o alguien de su familia ha tenido epilepsia o crisis. Si nota mareo, visión alterada, tics o desorientación, quítese las gafas y pulse Esc: la sesión se detiene y las luces se apagan.

¿Desea activar las gafas mentales?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GnauralImport</name>
    <message>
        <source>el fichero no tiene ningún elemento XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>se esperaba &lt;schedule&gt; y el documento empieza por &lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el XML está mal formado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el XML se acaba sin cerrar sus elementos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> no es un número entero positivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;voice&gt; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> no tiene &lt;type&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;entry&gt; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> de la voz </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> no tiene el atributo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> no es un número válido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> es negativo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>una segunda voz binaural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>una segunda voz de ruido rosa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el sonido de un fichero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>los tonos isócronos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>los tonos isócronos alternos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>las gotas de agua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la lluvia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>las voces de un tipo desconocido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no hay ninguna voz binaural (&lt;type&gt;0&lt;/type&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ruido rosa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La voz binaural </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> está silenciada en el fichero; se ha llevado igualmente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la voz binaural no tiene ninguna &lt;entry&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la voz binaural dura menos de medio segundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El fichero se repite sin fin (&lt;loops&gt;0&lt;/loops&gt;): se lleva una vez.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la voz binaural repetida da demasiados puntos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeadphoneCheck</name>
    <message>
        <source>Cada tono suena en su oído: los pulsos binaurales llegarán bien.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Los lados llegan cambiados: desmarque «Intercambiar canales» y repita la comprobación.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Los lados llegan cambiados: marque «Intercambiar canales» y repita la comprobación.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sólo suena un lado: revise el cable y los auriculares. Sin los dos lados, elija el pulso «Isocrónico» en Opciones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Los dos tonos suenan en el mismo oído: la salida no es estéreo. Elija el pulso «Monoaural» o «Isocrónico» en Opciones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No suena nada: revise el volumen y la salida de audio.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportDraft</name>
    <message>
        <source> y </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> y %1 más</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se ha podido llevar a la sesión: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La sesión duraba %1 y se ha recortado a 59:59.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la sesión dura menos de un segundo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Las frecuencias binaurales por encima de %1 se han limitado a %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Las frecuencias base por encima de %1 se han limitado a %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La escala base abarca %1: las frecuencias base por debajo de %2 se han subido a %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La curva binaural necesitaba más de %1 puntos: se ha simplificado a %1 con un error de %2 Hz como mucho.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La curva base necesitaba más de %1 puntos: se ha simplificado a %1 con un error de %2 Hz como mucho.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El %1 cambia de nivel (de %2 a %3): se propone %4 para la máscara.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LedPort</name>
    <message>
        <source>; las gafas no recibirán señal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hay permiso para usar el %1 %2: el usuario debe pertenecer al grupo «%3» (hay que volver a iniciar la sesión después de añadirlo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No existe el %1 %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El %1 %2 está ocupado por otro programa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede usar el %1 %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>puerto paralelo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dispositivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿está cargado el módulo «ppdev»?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se ha elegido una dirección de puerto paralelo válida (378, 278 o 3BC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hay ningún puerto paralelo en la dirección </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>puerto serie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿está conectada la placa?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se ha perdido la conexión con las gafas en el puerto serie %1 (¿se ha desconectado la placa?)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>Se ha producido un error al leer los datos de </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; se conserva como </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindowUi</name>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecuencia/Tiempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecuencia Binaural (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecuencia Base (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiempo (mm:ss)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecuencia Binaural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecuencia Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activar/Desactivar Música</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activar/Desactivar sonido Máscara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activar/Desactivar sonido Binaural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Música</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonido Máscara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonido Binaural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Importar sesión...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Opciones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edición</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deshacer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rehacer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nueva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Guardar Sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G&amp;uardar Sesión como...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar como &amp;programa .sbg...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Añadir Sesión...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eliminar Sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comprobar auriculares...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Música</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Añadir Canción...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Añadir pista de CD...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eliminar Canción</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;yuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contenido...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;cerca de...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MusicLibrary</name>
    <message>
        <source>Añadir Canción</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ficheros musicales (mp3, wav, ogg, mid, cda)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede inicializar el CD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede abrir el fichero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pista %1  (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hay ningún disco de audio en la unidad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminar: %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Error al reproducir el fichero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede inicializar el CD</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>No se pueden guardar las preferencias en &quot;%1&quot;. Los cambios de configuración no se conservarán.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>Se ha encontrado una copia de la sesión «%1» sin guardar. ¿Recuperarla?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RenderCommand</name>
    <message>
        <source>: nota: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  quedan </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>binaural %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>máscara %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>música %1 (%2 canción)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>música %1 (%2 canciones)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>luz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fundido %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sin fundido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(entrada estándar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nota: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: no se puede crear la carpeta </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrumpida antes de empezar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el ruido de la sesión suena como máscara, a %1 (--mascara lo cambia)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no queda ninguna fuente de sonido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>otra sesión ya se graba en </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no se puede escribir </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(salida estándar)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muestra la versión y termina.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CARPETA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graba cada SESION en CARPETA/SESION.wav (o con la extensión de --formato), varias a la vez; la carpeta se crea si falta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FORMATO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wav, flac, ogg o mp3, cuando el nombre de SALIDA no lo dice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BITS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV y FLAC: 16 (por omisión), 24 o 32f (WAV en coma flotante).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogg y MP3: de 0 (el fichero menor) a 10 (el mejor sonido); 8 por omisión.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Los tonos binaurales a N, de 0 a 100 (0 los quita); 50 por omisión.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El ruido de enmascaramiento a N, de 0 a 100; 0, por omisión, lo quita (una sesión importada con ruido lo trae a su nivel).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La música de fondo a N, de 0 a 100 (0 la quita); por omisión a 100 si la casilla de música quedó marcada en la ventana.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin la música de fondo (lo mismo que --musica 0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segundos del descenso del volumen al final, de 0 a 120; 30 por omisión.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Las casillas, los niveles y el fundido como quedaron en la ventana al salir (las opciones de arriba mandan sobre ellos).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lleva en el sonido la señal de luz de las gafas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FICHERO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escribe además el informe de la comprobación en JSON (con una sola sesión).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin barra de progreso ni resumen: solo los errores.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lee y comprueba las sesiones y muestra su duración y sus fuentes, sin escribir nada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opción desconocida: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta el valor de </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> no lleva valor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>argumentos no válidos: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 va de 0 a %2, no «%3»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--calidad va de 0 a 10, no «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--bits es 16, 24 o 32f, no «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--formato es wav, flac, ogg o mp3, no «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>se esperan una sesión y un fichero de salida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>se espera al menos una sesión tras -d CARPETA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la entrada estándar da una sola sesión, sin -d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--informe es para una sola sesión, sin -d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>formato desconocido: %1 (use .wav, .flac, .ogg o .mp3, o --formato)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la salida estándar solo lleva WAV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--formato %1 no es el formato que dice el nombre %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--bits es para WAV y FLAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--calidad es para Ogg y MP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta el valor de -d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uso: %1 [OPCIONES] SESION SALIDA, o -d CARPETA SESION... (--help: todas las opciones)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uso: %1 [OPCIONES] SESION SALIDA
     %1 [OPCIONES] -d CARPETA SESION...
     %1 --comprobar [OPCIONES] SESION... [SALIDA]

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graba una sesión en un fichero de sonido tal como la hace sonar Play, sin tarjeta de sonido, y comprueba lo grabado. SESION es un fichero .vso o una sesión de otro programa (.sbg, .gnaural); «-» la lee de la entrada estándar. SALIDA es un .wav, .flac, .ogg o .mp3; «-» escribe WAV en la salida estándar, para un reproductor o un codificador (el resumen va entonces a la salida de errores). «--» termina las opciones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Opciones:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Estado de salida:
  0  grabada entera y comprobada sin defectos
  1  la grabación o la escritura falló o se interrumpió
  2  los argumentos o una sesión no son válidos
  3  grabada, pero la comprobación encontró defectos
  Con varias sesiones, el peor de todos: 2, luego 1, luego 3.

Ejemplos:
  %1 Relajación.vso relajacion.flac
  %1 --bits 24 Sueño.vso - | aplay
  %1 --mascara 30 -f ogg -d grabadas *.vso
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32 bits en coma flotante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calidad %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Safekeeping</name>
    <message>
        <source>No se puede escribir la copia de recuperación %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SbgImport</name>
    <message>
        <source>falta «}» para cerrar el bloque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en un bloque solo caben líneas de tiempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«}» sin un bloque abierto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>línea no reconocida </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la opción </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> hace el programa por sí misma y no se puede importar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nombre no válido </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ya está definido en la línea </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ruido giratorio (spin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voz no reconocida </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ruido blanco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ruido marrón</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la mezcla con un sonido de fondo (mix)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nivel no válido en </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>una segunda voz de ruido rosa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>las campanas (bell)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>los tonos isócronos (@)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>los tonos modulados (~)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>una segunda voz binaural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>las formas de onda que no son senoidales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>los efectos sobre la mezcla (mixspin, mixpulse, mixbeat, mixam)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hora no válida </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en un bloque las horas son relativas (+hh:mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fundido no válido </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: son dos signos, el primero de &lt; - = y el segundo de &gt; - =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falta el nombre del conjunto de tonos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sobra </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> al final de la línea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> no está definido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>un bloque no lleva fundido ni -&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>un bloque no puede usarse a sí mismo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>los bloques dan más de </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> líneas de tiempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>los bloques se usan unos a otros a más de </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> niveles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no se pueden mezclar NOW y horas de reloj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la hora es anterior a la de la línea </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no hay ninguna línea de tiempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la sesión dura 0 segundos: la última línea de tiempo marca su final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>los fundidos a través del silencio (&lt;, &gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ningún conjunto de tonos usado tiene una voz binaural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ruido rosa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>los silencios (conjuntos de tonos sin voz binaural)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>línea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>líneas</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sequences</name>
    <message>
        <source>Rueda interior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rueda exterior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ola interior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ola exterior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Flop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cruz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionDocument</name>
    <message>
        <source>Sesión nueva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar Sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ficheros de Sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar modificaciones de: %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se ha podido guardar %1. ¿Guardarla en otro lugar? (No: volver a la ventana sin salir)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionFile</name>
    <message>
        <source>Error al leer datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error al grabar datos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionImport</name>
    <message>
        <source>Línea </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>solo se importan sesiones .sbg y .gnaural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no se puede leer el fichero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el fichero es demasiado grande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sesiones de otros programas (*.sbg *.gnaural)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionInput</name>
    <message>
        <source>la entrada estándar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: demasiado grande para una sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no se puede leer la sesión de </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no se puede leer la sesión </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionLibrary</name>
    <message>
        <source>Nueva Sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar Sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ficheros de Sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Añadir Sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ficheros de sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar la sesión modificada?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminar: %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>error desconocido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ha fallado el paso de arranque %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vs::glasses::frmSecuencia</name>
    <message>
        <source>Secuencia de luces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nº</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denominación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleccionar Secuencia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vs::library::LibraryGrid</name>
    <message>
        <source>Duración</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vs::library::MusicGrid</name>
    <message>
        <source>Canción</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vs::library::SessionGrid</name>
    <message>
        <source>Sesión</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vs::options::frmOpciones</name>
    <message>
        <source>Stop Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opciones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Frecuencias (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecuencia Binaural Máxima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frecuencia Base Máxima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alfa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Líneas del Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texto de Frecuencias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Música</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tocar cíclicamente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tocar sólo canción seleccionada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apagar volumen en los últimos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(m:s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gafas mentales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gafas mentales conectadas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Señal de luz en el audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puerto Paralelo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salida Puerto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse un LED para cambiar su color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binaural (auriculares)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monoaural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isocrónico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo de pulso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binaural: un tono distinto en cada oído; el pulso nace dentro de la cabeza y sólo se oye con auriculares estéreo.
Monoaural: los dos tonos en los dos oídos; el pulso se oye en el aire, también por altavoces.
Isocrónico: un solo tono que se enciende y se apaga al ritmo del pulso; por altavoces o con auriculares de un solo lado.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rosa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marrón</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color del ruido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El ruido de la máscara. Original: el de siempre, agudo y brillante. Rosa: más suave, con menos agudos. Marrón: grave, como un rumor lejano. La barra de la máscara da el mismo volumen con los tres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intercambiar canales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cambia el lado izquierdo por el derecho en todo el sonido, al reproducir y al exportar, para unos auriculares que llegan al revés. Compruébelo con Sesión &gt; Comprobar auriculares...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salida de audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El dispositivo por el que sale el sonido. Si se desconecta en mitad de una sesión, el sonido sigue por la salida predeterminada del sistema.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predeterminada del sistema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (no conectada)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vs::session::GraphFrame</name>
    <message>
        <source>Duración sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hz Binaural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hz Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duración</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vs::shell::ExportCommands</name>
    <message>
        <source>E&amp;xportar a audio...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Informe de verificación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV, 16 bits (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLAC, 16 bits (*.flac)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogg Vorbis (*.ogg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 (*.mp3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar a audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formato desconocido: use .wav, .flac, .ogg o .mp3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informe de verificación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comprobando «%1»…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportando «%1»…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quedan %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculando el tiempo restante…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿Incluir en el audio la señal de luz de las gafas (19.200 Hz)?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vs::shell::FrmSomnara</name>
    <message>
        <source>No se puede guardar la lista de sesiones en %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede guardar la lista de música en %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vs::shell::HeadphoneDialog</name>
    <message>
        <source>Comprobar auriculares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Póngase los auriculares con el volumen bajo. Sonará un tono suave, primero en un oído y luego en el otro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>◀  Izquierdo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Derecho  ▶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquí debe sonar el tono cuando está resaltado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sí, en ese oído</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El tono suena en el oído resaltado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En el otro oído</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El tono suena, pero en el oído contrario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No lo oigo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se oye ningún tono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intercambiar canales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cambia el lado izquierdo por el derecho en todo el sonido del programa, al reproducir y al exportar; se guarda en Opciones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repetir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vuelve a empezar por el oído izquierdo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Termina la comprobación y apaga el tono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿Oye el tono en el oído izquierdo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿Oye el tono en el oído derecho?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vs::shell::PeerSessionCommands</name>
    <message>
        <source>El ruido de la sesión suena como máscara: su casilla está marcada y su barra en %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importar sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede importar «%1».

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La sesión no tiene duración: no hay nada que exportar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar como programa .sbg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programas .sbg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede escribir el programa en %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vs::shell::SoundWiring</name>
    <message>
        <source>No se puede abrir la salida de audio%1; el sonido sigue por donde salía.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El sonido vuelve a salir por la salida predeterminada del sistema.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se ha desconectado la salida de audio%1. El sonido sigue por la salida predeterminada del sistema.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se ha desconectado la salida de audio%1 y no hay otra que abrir. El sonido volverá en cuanto la haya.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede comprobar: el sonido no se ha podido iniciar.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vs::shell::frmAbout</name>
    <message>
        <source>Acerca de Velorin Somnara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sesiones de ondas binaurales con
gafas de luz y sonido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software libre: GNU GPL versión 3 o posterior
(GPL-3.0-or-later), sin ninguna garantía.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
