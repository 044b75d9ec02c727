#version 120
// Engine flame: the particle sprite tinted by its age colour.

uniform sampler2D Flame;

varying vec2 texCoord;
varying vec4 tint;

void main() {
    vec4 sprite = texture2D(Flame, texCoord);
    gl_FragColor = vec4(tint.rgb * sprite.rgb, tint.a * sprite.a);
}
